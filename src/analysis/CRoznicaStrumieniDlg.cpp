#include "analysis/CRoznicaStrumieniDlg.h"

CRoznicaStrumieniDlg::CRoznicaStrumieniDlg(QWidget* parent) : CDialog(parent) {}
