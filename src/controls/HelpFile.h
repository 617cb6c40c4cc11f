// The compiled help file beside the executable: popup texts by help id and
// topics by context id.
#pragma once

#include <QString>

class QWidget;

// The popup text of a help id; a short "no help" text for an id the file
// lacks, a message naming the file when it cannot be read.
QString HelpPopupText(unsigned helpId);

// Opens the help window at the topic of a context id (0: the contents).
void ShowHelpWindow(QWidget* parent, unsigned contextId);
