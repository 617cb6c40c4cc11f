#include "calc/CKalkPage.h"

CKalkPage::CKalkPage(CZentaroTabbedDlg* sheet, QWidget* parent) : QWidget(parent), m_sheet(sheet) {}
