#include "pages/CParaWodnaPage.h"

CParaWodnaPage::CParaWodnaPage(CZentaroTabbedDlg* sheet, QWidget* parent) : QWidget(parent), m_sheet(sheet) {}
