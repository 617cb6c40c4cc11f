#include "analysis/CAnalizaPrzeplywuDlg.h"

CAnalizaPrzeplywuDlg::CAnalizaPrzeplywuDlg(CZentaroTabbedDlg* sheet, QWidget* parent) : CDialog(parent), m_sheet(sheet) {}
