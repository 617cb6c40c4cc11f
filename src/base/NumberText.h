// The one place where the program prints and reads numbers.
//
// Output is what the C library's printf gives in the "C" locale, with the
// chosen decimal separator in place of the point; input follows atof.
// Neither depends on the process's C locale nor on which locales are
// installed, and no text has a length limit.
#pragma once

#include <string>
#include <string_view>

// The separator in force for printing and reading: '.' or ','.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

// The separator a locale defines, from its POSIX name
// ("language[_TERRITORY][.codeset][@modifier]"): ',' for Polish, '.' for
// Swiss German, Mexican Spanish, English, "C", "POSIX" and anything unknown.
// Agrees with the framework's locale data, so the command-line tool writes
// what the program would show. A separator other than ',' counts as '.'.
char SeparatorForLocaleName(std::string_view name);

// The separator of the user's locale as the environment names it: LC_ALL,
// then LC_NUMERIC, then LANG.
char SeparatorFromEnvironment();

// printf's "%#.Nf" and "%#.Ne" keep the separator even with no decimals
// ("3." rather than "3"); Drop is the plain "%.Nf".
enum class Point { Drop, Keep };

// "%g": six significant digits, the program's everyday number text.
std::string FormatG(double value);
// "%.<digits>g"; digits below 1 count as 1, as in printf.
std::string FormatG(double value, int digits);
// FormatG's text added to the end of text, for writers of long outputs
// that would otherwise make a string per number.
void AppendG(std::string& text, double value, int digits);
// "%.<decimals>f"; negative decimals count as 0.
std::string FormatFixed(double value, int decimals, Point point = Point::Drop);
// "%.<decimals>e": one digit, the decimals, and an exponent of at least
// two digits ("1.234e+03"); negative decimals count as 0.
std::string FormatExp(double value, int decimals, Point point = Point::Drop);

// printf's field widths: blanks before ("%8...") or after ("%-8...") the
// text up to width characters; a longer text stays whole.
std::string AlignRight(std::string text, std::size_t width);
std::string AlignLeft(std::string text, std::size_t width);

// atof with the current (or the given) separator: leading blanks, sign,
// digits, separator, digits, exponent; the longest such prefix, 0 when
// there is none. "inf", "infinity" and "nan" read as the C library does.
double ParseNumber(std::string_view text);
double ParseNumber(std::string_view text, char separator);

// Length of the number prefix ParseNumber reads (0: none). Lets callers
// tell "12abc" (a prefix) from "12" (the whole text).
std::size_t NumberPrefixLength(std::string_view text, char separator);

// Whether the number prefix of the text is one of the words inf, infinity
// or nan (with a sign or not): a value no digit or exponent can extend.
bool IsNonFiniteWord(std::string_view text);
