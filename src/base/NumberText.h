// The one place where the program prints and reads numbers.
//
// Output follows the C library's printf in the "C" locale, with the chosen
// decimal separator in place of the point. Input follows atof. Neither
// depends on the process's C locale nor on which locales are installed.
#pragma once

#include <string>
#include <string_view>

// The separator in force for printing and reading: '.' or ','.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

// ',' for languages that write a decimal comma (Polish first of all), '.'
// for "C", "POSIX", English and anything unknown.
char SeparatorForLocaleName(std::string_view name);

// The separator of the user's locale: LC_ALL, then LC_NUMERIC, then LANG.
char SeparatorFromEnvironment();

// printf-style formatting: every floating conversion (f e g a, upper case
// too) prints with the current separator; %d, %s, %c, %x, %% as printf.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "%g" of one value, the program's everyday number text.
std::string FormatG(double value);

// atof with the current (or the given) separator: leading blanks, sign,
// digits, separator, digits, exponent; the longest such prefix, 0 when
// there is none. "inf", "infinity" and "nan" read as the C library does.
double ParseNumber(std::string_view text);
double ParseNumber(std::string_view text, char separator);

// Length of the number prefix ParseNumber reads (0: none). Lets callers
// tell "12abc" (a prefix) from "12" (the whole text).
std::size_t NumberPrefixLength(std::string_view text, char separator);
