#pragma once

#include <QWidget>

class CZentaroTabbedDlg;

class CPowietrzePage : public QWidget {
    Q_OBJECT
public:
    explicit CPowietrzePage(CZentaroTabbedDlg* sheet, QWidget* parent = nullptr);

protected:
    CZentaroTabbedDlg* m_sheet;
};
