#pragma once

#include "controls/Modal.h"

class CRoznicaStrumieniDlg : public CDialog {
    Q_OBJECT
public:
    explicit CRoznicaStrumieniDlg(QWidget* parent = nullptr);
};
