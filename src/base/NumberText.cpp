#include "base/NumberText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <system_error>

namespace {

char g_separator = '.';

// A "C" locale object exists on every system; strtod_l reads with it.
locale_t CLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StartsWithNoCase(std::string_view text, std::string_view word)
{
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != word[i])
            return false;
    return true;
}

} // namespace

char DecimalSeparator() { return g_separator; }

void SetDecimalSeparator(char separator) { g_separator = separator == ',' ? ',' : '.'; }

namespace {

// Languages whose locales write a decimal comma, by the framework's locale
// data, with the legacy codes it still reads (in, mo, no, sh). Sorted.
constexpr std::string_view kCommaLanguages[] = {
    "af",  "agq", "ast", "az",  "bas", "be",  "bg",  "br",  "bs",  "ca",  "cs",  "da",  "de",  "dsb",
    "dua", "dyo", "el",  "eo",  "es",  "et",  "eu",  "ewo", "ff",  "fi",  "fo",  "fr",  "fur", "fy",
    "gl",  "hr",  "hsb", "hu",  "hy",  "ia",  "id",  "in",  "is",  "it",  "jgo", "jv",  "ka",  "kab",
    "kea", "kgp", "kk",  "kkj", "kl",  "km",  "ksf", "ksh", "ku",  "ky",  "lb",  "ln",  "lo",  "lt",
    "lu",  "lv",  "mgh", "mk",  "mo",  "mua", "nb",  "nds", "nl",  "nmg", "nn",  "nnh", "no",  "os",
    "pl",  "pt",  "rn",  "ro",  "ru",  "rw",  "sah", "sc",  "se",  "seh", "sg",  "sh",  "shi", "sk",
    "sl",  "smn", "sq",  "sr",  "su",  "sv",  "tg",  "tk",  "tr",  "tt",  "tzm", "uk",  "uz",  "vi",
    "wae", "wo",  "yav", "yrl", "zgh"};

// Territories whose locale writes the other mark than its language does.
struct TerritoryException {
    std::string_view name;
    char separator;
};
constexpr TerritoryException kTerritoryExceptions[] = {
    {"ar_DZ", ','},  {"ar_LY", ','}, {"ar_MA", ','}, {"ar_TN", ','}, {"az_IR", '.'}, {"de_CH", '.'},
    {"de_LI", '.'},  {"en_AT", ','}, {"en_BE", ','}, {"en_DE", ','}, {"en_DK", ','}, {"en_FI", ','},
    {"en_NL", ','},  {"en_SE", ','}, {"en_SI", ','}, {"en_ZA", ','}, {"es_419", '.'}, {"es_BR", '.'},
    {"es_BZ", '.'},  {"es_CU", '.'}, {"es_DO", '.'}, {"es_GT", '.'}, {"es_HN", '.'}, {"es_MX", '.'},
    {"es_NI", '.'},  {"es_PA", '.'}, {"es_PE", '.'}, {"es_PR", '.'}, {"es_SV", '.'}, {"es_US", '.'},
    {"it_CH", '.'},  {"ms_BN", ','}, {"ms_ID", ','}, {"qu_BO", ','}, {"sw_CD", ','}, {"uz_AF", '.'}};

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

} // namespace

char SeparatorForLocaleName(std::string_view name)
{
    // "sr_Latn_RS.UTF-8@latin" -> language "sr", territory "RS".
    name = name.substr(0, name.find_first_of(".@"));
    std::string language;
    std::string territory;
    std::size_t part = 0;
    std::size_t begin = 0;
    while (begin <= name.size()) {
        const std::size_t end = std::min(name.find_first_of("_-", begin), name.size());
        const std::string_view piece = name.substr(begin, end - begin);
        const bool isScript = part == 1 && piece.size() == 4 && IsAsciiLetter(piece[0]);
        if (part == 0) {
            for (char c : piece)
                language += Lower(c);
        } else if (!isScript && territory.empty()) {
            for (char c : piece)
                territory += Upper(c);
        }
        ++part;
        begin = end + 1;
    }
    if (!territory.empty()) {
        const std::string full = language + '_' + territory;
        for (const TerritoryException& e : kTerritoryExceptions)
            if (e.name == full)
                return e.separator;
    }
    for (std::string_view comma : kCommaLanguages)
        if (language == comma)
            return ',';
    return '.';
}

char SeparatorFromEnvironment()
{
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return SeparatorForLocaleName(value);
    }
    return '.';
}

namespace {

// The decimal mark of every text below is set here and nowhere else.
void ApplySeparator(std::string& text)
{
    if (g_separator == '.')
        return;
    for (char& c : text)
        if (c == '.')
            c = g_separator;
}

// std::to_chars with a precision prints as printf does in the "C" locale;
// the buffer grows until the text fits, so no text is ever cut.
std::string ToChars(double value, std::chars_format format, int precision)
{
    // Most texts fit on the stack and then in the string's own room.
    char buffer[48];
    if (const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
        error == std::errc())
        return std::string(buffer, end);
    std::string text(64, '\0');
    for (;;) {
        const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value, format, precision);
        if (error == std::errc()) {
            text.resize(static_cast<std::size_t>(end - text.data()));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

// printf's "%.<digits>g" by exact integer arithmetic, for the numbers whose
// scaled value 128 bits hold: nearly all a program prints, at a fraction
// of the general algorithm's cost. The value is m 2^e exactly; its
// <digits> leading decimal digits are m 2^e 10^s rounded half to even,
// s = digits - 1 - (the decimal exponent), and 10^s is 5^s 2^s. Returns
// nullptr where 128 bits do not reach (zero, subnormal, non-finite, very
// large or very small values, more than 17 digits): the caller formats
// those the general way.
__extension__ typedef unsigned __int128 Wide;

constexpr int kWidePowers = 56;   // 5^55 is the last power of 5 below 2^128
constexpr std::array<Wide, kWidePowers> WidePowers(unsigned base)
{
    std::array<Wide, kWidePowers> powers{};
    powers[0] = 1;
    for (int i = 1; i < kWidePowers; ++i)
        powers[i] = powers[i - 1] * base;
    return powers;
}
constexpr std::array<Wide, kWidePowers> kPow5 = WidePowers(5);
constexpr std::array<Wide, kWidePowers> kPow10 = WidePowers(10);   // used up to 10^18

char* ExactGeneral(double value, int digits, char* out)
{
    if (digits > 17)
        return nullptr;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    if (biased == 0 || biased == 0x7ff)
        return nullptr;
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int e = biased - 1075;
    // floor(log10(2) (biased - 1023)), give or take one; checked below.
    int k = ((biased - 1023) * 78913) >> 18;
    std::uint64_t q = 0;
    for (int attempt = 0;; ++attempt) {
        if (attempt == 3)
            return nullptr;
        const int s = digits - 1 - k;
        if (s >= kWidePowers || -s >= kWidePowers)
            return nullptr;
        // m 2^e 10^s = num / den 2^-binary, num and den odd powers of 5 apart.
        Wide num = m;
        Wide den = 1;
        if (s >= 0) {
            if ((kPow5[s] >> 74) != 0)   // m (below 2^53) times it must stay below 2^127
                return nullptr;
            num *= kPow5[s];
        } else {
            den = kPow5[-s];
        }
        const int binary = e + s;
        int shift = 0;   // den is multiplied by 2^shift
        if (binary >= 0) {
            if (binary >= 127 || (num >> (127 - binary)) != 0)
                return nullptr;
            num <<= binary;
        } else {
            shift = -binary;
            if (shift >= 127)
                return nullptr;
            if (den != 1) {
                if ((den >> (127 - shift)) != 0)
                    return nullptr;
                den <<= shift;
                shift = 0;
            }
        }
        Wide whole;
        int rest;   // the rest against half the divisor: -1 below, 0 equal, 1 above
        if (shift != 0) {
            whole = num >> shift;
            const Wide r = num & ((Wide{1} << shift) - 1);
            const Wide half = Wide{1} << (shift - 1);
            rest = r < half ? -1 : r == half ? 0 : 1;
        } else {
            whole = num / den;
            const Wide r = num % den;
            rest = r < den - r ? -1 : r == den - r ? 0 : 1;
        }
        // The truncated digits tell whether k is the decimal exponent.
        if (whole >= kPow10[digits]) {
            ++k;
            continue;
        }
        if (whole < kPow10[digits - 1]) {
            --k;
            continue;
        }
        q = static_cast<std::uint64_t>(whole);
        if (rest > 0 || (rest == 0 && (q & 1) != 0))
            ++q;
        if (q == kPow10[digits]) {   // 9.99... rounded up to the next power
            q /= 10;
            ++k;
        }
        break;
    }
    char d[17];
    for (int i = digits - 1; i >= 0; --i) {
        d[i] = static_cast<char>('0' + q % 10);
        q /= 10;
    }
    int used = digits;   // significant digits left once trailing zeros go
    while (used > 1 && d[used - 1] == '0')
        --used;
    if ((bits >> 63) != 0)
        *out++ = '-';
    if (k >= -4 && k < digits) {
        // Fixed: k + 1 digits before the point, or "0." and -k-1 zeros.
        if (k >= 0) {
            for (int i = 0; i <= k; ++i)
                *out++ = d[i];
            if (used > k + 1) {
                *out++ = '.';
                for (int i = k + 1; i < used; ++i)
                    *out++ = d[i];
            }
        } else {
            *out++ = '0';
            *out++ = '.';
            for (int i = 0; i < -k - 1; ++i)
                *out++ = '0';
            for (int i = 0; i < used; ++i)
                *out++ = d[i];
        }
        return out;
    }
    *out++ = d[0];
    if (used > 1) {
        *out++ = '.';
        for (int i = 1; i < used; ++i)
            *out++ = d[i];
    }
    *out++ = 'e';
    *out++ = k < 0 ? '-' : '+';
    const int x = k < 0 ? -k : k;
    if (x >= 100)
        *out++ = static_cast<char>('0' + x / 100);
    *out++ = static_cast<char>('0' + x / 10 % 10);
    *out++ = static_cast<char>('0' + x % 10);
    return out;
}

} // namespace

std::string FormatG(double value) { return FormatG(value, 6); }

std::string FormatG(double value, int digits)
{
    std::string text;
    AppendG(text, value, digits);
    return text;
}

void AppendG(std::string& text, double value, int digits)
{
    digits = std::max(digits, 1);
    // Up to 17 digits fit here, exponent and sign included: no allocation
    // for the texts the program prints every day.
    char buffer[48];
    const std::size_t start = text.size();
    if (char* end = ExactGeneral(value, digits, buffer)) {
        text.append(buffer, static_cast<std::size_t>(end - buffer));
    } else if (const auto [last, error] =
                   std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
               error == std::errc()) {
        text.append(buffer, static_cast<std::size_t>(last - buffer));
    } else {
        text += ToChars(value, std::chars_format::general, digits);
    }
    if (g_separator != '.')
        for (std::size_t i = start; i < text.size(); ++i)
            if (text[i] == '.')
                text[i] = g_separator;
}

std::string FormatFixed(double value, int decimals, Point point)
{
    decimals = std::max(decimals, 0);
    std::string text = ToChars(value, std::chars_format::fixed, decimals);
    if (point == Point::Keep && decimals == 0 && std::isfinite(value))
        text += '.';
    ApplySeparator(text);
    return text;
}

std::string FormatExp(double value, int decimals, Point point)
{
    decimals = std::max(decimals, 0);
    std::string text = ToChars(value, std::chars_format::scientific, decimals);
    if (point == Point::Keep && decimals == 0 && std::isfinite(value))
        text.insert(text.find('e'), 1, '.');
    ApplySeparator(text);
    return text;
}

std::string AlignRight(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

std::string AlignLeft(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::size_t NumberPrefixLength(std::string_view text, char separator)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::string_view rest = text.substr(i);
    if (StartsWithNoCase(rest, "infinity"))
        return i + 8;
    if (StartsWithNoCase(rest, "inf"))
        return i + 3;
    if (StartsWithNoCase(rest, "nan")) {
        // "nan(chars)" is taken whole when the bracket closes.
        std::size_t j = i + 3;
        if (j < text.size() && text[j] == '(') {
            std::size_t k = j + 1;
            while (k < text.size() && (std::isalnum(static_cast<unsigned char>(text[k])) || text[k] == '_'))
                ++k;
            if (k < text.size() && text[k] == ')')
                return k + 1;
        }
        return j;
    }
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == separator) {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

double ParseNumber(std::string_view text, char separator)
{
    const std::size_t length = NumberPrefixLength(text, separator);
    if (length == 0)
        return 0.0;
    std::string prefix(text.substr(0, length));
    for (char& c : prefix)
        if (c == separator)
            c = '.';
    // strtod in the "C" locale gives the C library's rounding, overflow to
    // infinity and underflow to zero.
    return strtod_l(prefix.c_str(), nullptr, CLocale());
}

double ParseNumber(std::string_view text) { return ParseNumber(text, g_separator); }

bool IsNonFiniteWord(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::string_view rest = text.substr(i);
    return StartsWithNoCase(rest, "inf") || StartsWithNoCase(rest, "nan");
}
