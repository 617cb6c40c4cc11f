#include "pages/CWodaPage.h"

CWodaPage::CWodaPage(CZentaroTabbedDlg* sheet, QWidget* parent) : QWidget(parent), m_sheet(sheet) {}
