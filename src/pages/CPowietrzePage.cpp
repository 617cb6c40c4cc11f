#include "pages/CPowietrzePage.h"

CPowietrzePage::CPowietrzePage(CZentaroTabbedDlg* sheet, QWidget* parent) : QWidget(parent), m_sheet(sheet) {}
