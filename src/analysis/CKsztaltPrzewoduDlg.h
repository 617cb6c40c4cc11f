#pragma once

#include "controls/Modal.h"

class CKsztaltPrzewoduDlg : public CDialog {
    Q_OBJECT
public:
    explicit CKsztaltPrzewoduDlg(QWidget* parent = nullptr);
};
