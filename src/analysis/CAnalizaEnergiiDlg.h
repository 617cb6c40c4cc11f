#pragma once

#include "controls/Modal.h"

class CZentaroTabbedDlg;

class CAnalizaEnergiiDlg : public CDialog {
    Q_OBJECT
public:
    explicit CAnalizaEnergiiDlg(CZentaroTabbedDlg* sheet, QWidget* parent = nullptr);

protected:
    CZentaroTabbedDlg* m_sheet;
};
