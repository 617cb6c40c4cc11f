// Qt-side access to the string table and the number text.
#pragma once

#include <QLocale>
#include <QString>

#include "base/NumberText.h"
#include "base/StringTable.h"

inline QString UiString(int id) { return QString::fromUtf8(LoadText(id)); }
inline QString UiNumber(double value) { return QString::fromStdString(FormatG(value)); }

// The decimal separator of the user's locale, as the framework's locale data
// defines it (installed C library locales play no part); a mark other than
// ',' counts as '.'. The application hands it to the core at start.
inline char SystemDecimalSeparator()
{
    return QLocale::system().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}
