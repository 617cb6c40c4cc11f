// The framework's own texts (standard buttons, the context menus of edit
// boxes, the "What's This" action) in Polish, whatever the user's language:
// the interface is Polish throughout, only the decimal separator follows
// the locale.
#pragma once

#include <QString>

class QCoreApplication;

// Where the framework's Polish catalogue is looked for: the framework's
// translations folder (Debian: qt6-translations-l10n).
QString QtTranslationsDir();

// Loads the catalogue into the application. Returns false, and the program
// runs on with the framework's built-in texts, when it cannot be found.
bool InstallQtTranslations(QCoreApplication& app, const QString& dir = QtTranslationsDir());
