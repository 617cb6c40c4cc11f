#pragma once

#include "controls/Modal.h"

// "Informacje - Zentaro": icon, name and version, credits.
class CAboutDlg : public CDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
