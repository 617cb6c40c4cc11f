#pragma once

#include <QWidget>

class CZentaroTabbedDlg;

class CWodaPage : public QWidget {
    Q_OBJECT
public:
    explicit CWodaPage(CZentaroTabbedDlg* sheet, QWidget* parent = nullptr);

protected:
    CZentaroTabbedDlg* m_sheet;
};
