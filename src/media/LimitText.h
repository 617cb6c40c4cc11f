// The violated bound a model names after a refused value, as the pages show
// it after the message: a blank, the number right-aligned in a field of
// `width` characters with `decimals` decimals, a blank and the unit
// ("   273.15 K"), with the separator in force.
#pragma once

#include <string>
#include <string_view>

#include "base/NumberText.h"

inline std::string LimitText(double value, std::size_t width, int decimals, std::string_view unit)
{
    std::string text(1, ' ');
    text += AlignRight(FormatFixed(value, decimals), width);
    text += ' ';
    text += unit;
    return text;
}
