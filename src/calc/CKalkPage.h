#pragma once

#include <QWidget>

class CZentaroTabbedDlg;

class CKalkPage : public QWidget {
    Q_OBJECT
public:
    explicit CKalkPage(CZentaroTabbedDlg* sheet, QWidget* parent = nullptr);

protected:
    CZentaroTabbedDlg* m_sheet;
};
