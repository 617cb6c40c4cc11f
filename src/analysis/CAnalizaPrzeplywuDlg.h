#pragma once

#include "controls/Modal.h"

class CZentaroTabbedDlg;

class CAnalizaPrzeplywuDlg : public CDialog {
    Q_OBJECT
public:
    explicit CAnalizaPrzeplywuDlg(CZentaroTabbedDlg* sheet, QWidget* parent = nullptr);

protected:
    CZentaroTabbedDlg* m_sheet;
};
