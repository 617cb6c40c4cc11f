#pragma once

#include <QWidget>

class CZentaroTabbedDlg;

class CJednostkiPage : public QWidget {
    Q_OBJECT
public:
    explicit CJednostkiPage(CZentaroTabbedDlg* sheet, QWidget* parent = nullptr);

protected:
    CZentaroTabbedDlg* m_sheet;
};
