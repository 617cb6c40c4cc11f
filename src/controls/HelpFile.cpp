#include "controls/HelpFile.h"

// Interim: the help file is not built yet; every popup says there is no help.
QString HelpPopupText(unsigned) { return QStringLiteral("Brak pomocy dla tego elementu."); }

void ShowHelpWindow(QWidget*, unsigned) {}
