#include "analysis/CKsztaltPrzewoduDlg.h"

CKsztaltPrzewoduDlg::CKsztaltPrzewoduDlg(QWidget* parent) : CDialog(parent) {}
