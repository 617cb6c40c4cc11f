#pragma once

#include <QWidget>

class CZentaroTabbedDlg;

class CParaWodnaPage : public QWidget {
    Q_OBJECT
public:
    explicit CParaWodnaPage(CZentaroTabbedDlg* sheet, QWidget* parent = nullptr);

protected:
    CZentaroTabbedDlg* m_sheet;
};
