#include "analysis/CAnalizaEnergiiDlg.h"

CAnalizaEnergiiDlg::CAnalizaEnergiiDlg(CZentaroTabbedDlg* sheet, QWidget* parent) : CDialog(parent), m_sheet(sheet) {}
