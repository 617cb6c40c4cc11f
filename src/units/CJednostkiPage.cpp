#include "units/CJednostkiPage.h"

CJednostkiPage::CJednostkiPage(CZentaroTabbedDlg* sheet, QWidget* parent) : QWidget(parent), m_sheet(sheet) {}
