// Alphabetical order of Polish texts, independent of the machine's locales.
//
// Letters compare by the Polish alphabet (a ą b c ć d e ę f g h i j k l ł
// m n ń o ó p q r s ś t u v w x y z ź ż) without regard to letter case;
// blanks and punctuation come before digits, digits before letters, and a
// text that is a prefix of another comes first. Texts equal but for case
// put the lower-case one first; texts equal in every letter compare by
// their bytes, so the order is strict and total. Input is UTF-8; a byte
// that is not valid UTF-8 sorts as a character of its own, never fails.
#pragma once

#include <string_view>

// <0, 0, >0 as a is before, equal to, after b.
int PolishCompare(std::string_view a, std::string_view b);

inline bool PolishLess(std::string_view a, std::string_view b) { return PolishCompare(a, b) < 0; }
