#include "units/PolishOrder.h"

#include <cstdint>

namespace {

// One decoded character: its code point, or for a byte that does not start
// a valid UTF-8 sequence, 0x110000 + the byte (outside Unicode, so it can
// never equal a real character).
struct Decoder {
    std::string_view text;
    std::size_t pos = 0;

    bool Done() const { return pos >= text.size(); }

    char32_t Next()
    {
        const auto b0 = static_cast<unsigned char>(text[pos]);
        int length = 0;
        char32_t cp = 0;
        if (b0 < 0x80) {
            ++pos;
            return b0;
        }
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            length = 2;
            cp = b0 & 0x1F;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            length = 3;
            cp = b0 & 0x0F;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            length = 4;
            cp = b0 & 0x07;
        }
        if (length == 0 || pos + length > text.size())
            return Invalid(b0);
        for (int i = 1; i < length; ++i) {
            const auto b = static_cast<unsigned char>(text[pos + i]);
            if ((b & 0xC0) != 0x80)
                return Invalid(b0);
            cp = (cp << 6) | (b & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are not characters.
        if ((length == 3 && cp < 0x800) || (length == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return Invalid(b0);
        pos += length;
        return cp;
    }

    char32_t Invalid(unsigned char byte)
    {
        ++pos;
        return 0x110000 + byte;
    }
};

// Weight of a character at the first level, and whether it is an upper-case
// letter (the third level). Classes: blanks and punctuation < digits <
// letters < anything else.
struct Weight {
    std::uint32_t primary;
    bool upper;
};

// The Polish alphabet, lower case, in order; each letter's upper-case form
// beside it.
struct Letter {
    char32_t lower;
    char32_t upper;
};
constexpr Letter kAlphabet[] = {
    {U'a', U'A'}, {U'ą', U'Ą'}, {U'b', U'B'}, {U'c', U'C'}, {U'ć', U'Ć'}, {U'd', U'D'}, {U'e', U'E'},
    {U'ę', U'Ę'}, {U'f', U'F'}, {U'g', U'G'}, {U'h', U'H'}, {U'i', U'I'}, {U'j', U'J'}, {U'k', U'K'},
    {U'l', U'L'}, {U'ł', U'Ł'}, {U'm', U'M'}, {U'n', U'N'}, {U'ń', U'Ń'}, {U'o', U'O'}, {U'ó', U'Ó'},
    {U'p', U'P'}, {U'q', U'Q'}, {U'r', U'R'}, {U's', U'S'}, {U'ś', U'Ś'}, {U't', U'T'}, {U'u', U'U'},
    {U'v', U'V'}, {U'w', U'W'}, {U'x', U'X'}, {U'y', U'Y'}, {U'z', U'Z'}, {U'ź', U'Ź'}, {U'ż', U'Ż'},
};

constexpr std::uint32_t kDigitBase = 0x200000;
constexpr std::uint32_t kLetterBase = 0x300000;
constexpr std::uint32_t kOtherBase = 0x400000;

bool IsAsciiLetterOrDigit(char32_t c)
{
    return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

Weight WeightOf(char32_t c)
{
    if (c >= U'0' && c <= U'9')
        return {kDigitBase + static_cast<std::uint32_t>(c - U'0'), false};
    for (std::uint32_t i = 0; i < std::size(kAlphabet); ++i) {
        if (kAlphabet[i].lower == c)
            return {kLetterBase + i, false};
        if (kAlphabet[i].upper == c)
            return {kLetterBase + i, true};
    }
    // ASCII blanks and punctuation, by their code.
    if (c < 0x80 && !IsAsciiLetterOrDigit(c))
        return {static_cast<std::uint32_t>(c), false};
    // Other characters (letters of other languages, symbols, bad bytes)
    // after the Polish letters, by their code.
    return {kOtherBase + static_cast<std::uint32_t>(c), false};
}

} // namespace

int PolishCompare(std::string_view a, std::string_view b)
{
    // First level: letters without regard to case. Remember the first
    // difference of case for the second level.
    Decoder da{a};
    Decoder db{b};
    int caseOrder = 0;
    while (!da.Done() && !db.Done()) {
        const Weight wa = WeightOf(da.Next());
        const Weight wb = WeightOf(db.Next());
        if (wa.primary != wb.primary)
            return wa.primary < wb.primary ? -1 : 1;
        if (caseOrder == 0 && wa.upper != wb.upper)
            caseOrder = wa.upper ? 1 : -1;
    }
    if (!da.Done() || !db.Done())
        return da.Done() ? -1 : 1;
    if (caseOrder != 0)
        return caseOrder;
    // Equal in every way the reader sees: fall back to the bytes.
    const int bytes = a.compare(b);
    return bytes < 0 ? -1 : (bytes > 0 ? 1 : 0);
}
