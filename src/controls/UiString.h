// Qt-side access to the string table and the number text.
#pragma once

#include <QString>

#include "base/NumberText.h"
#include "base/StringTable.h"

inline QString UiString(int id) { return QString::fromUtf8(LoadText(id)); }
inline QString UiNumber(double value) { return QString::fromStdString(FormatG(value)); }
