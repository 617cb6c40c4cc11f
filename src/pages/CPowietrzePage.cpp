#include "pages/CPowietrzePage.h"

CPowietrzePage::CPowietrzePage(IAnalysisHost* host, QWidget* parent) : QWidget(parent), m_host(host) {}
