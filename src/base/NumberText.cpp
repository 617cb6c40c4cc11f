#include "base/NumberText.h"

#include <array>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {

char g_separator = '.';

// A "C" locale object exists on every system; we switch the calling thread
// to it only around each C library call.
locale_t CLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

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

char SeparatorForLocaleName(std::string_view name)
{
    // Language part only: "pl_PL.UTF-8@euro" -> "pl".
    const std::size_t end = name.find_first_of("_.@");
    const std::string_view lang = name.substr(0, end);
    static constexpr std::array<std::string_view, 34> kCommaLanguages = {
        "pl", "de", "fr", "es", "it", "pt", "nl", "ru", "uk", "be", "cs", "sk",
        "sl", "hr", "sr", "bs", "bg", "ro", "hu", "fi", "sv", "da", "nb", "nn",
        "no", "et", "lv", "lt", "el", "tr", "id", "vi", "ca", "is"};
    for (std::string_view comma : kCommaLanguages)
        if (lang == comma)
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

std::string FormatText(const char* format, ...)
{
    std::string out;
    va_list args;
    va_start(args, format);
    CLocaleScope cLocale;
    const char* p = format;
    while (*p != '\0') {
        if (*p != '%') {
            out += *p++;
            continue;
        }
        // One conversion: flags, width, precision, length, type.
        const char* start = p++;
        if (*p == '%') {
            out += '%';
            ++p;
            continue;
        }
        while (*p != '\0' && std::string_view("-+ #0").find(*p) != std::string_view::npos)
            ++p;
        int stars[2] = {0, 0};
        int starCount = 0;
        auto digitsOrStar = [&] {
            if (*p == '*') {
                stars[starCount++] = va_arg(args, int);
                ++p;
            } else {
                while (IsDigit(*p))
                    ++p;
            }
        };
        digitsOrStar();
        if (*p == '.') {
            ++p;
            digitsOrStar();
        }
        bool isLong = false;
        bool isLongLong = false;
        while (*p == 'l' || *p == 'h' || *p == 'z' || *p == 'L') {
            if (*p == 'l')
                isLong ? isLongLong = true : isLong = true;
            ++p;
        }
        if (*p == '\0')
            break;
        const char type = *p++;
        const std::string spec(start, p);
        std::array<char, 512> buffer{};
        int n = 0;
        auto print = [&](auto value) {
            if (starCount == 2)
                n = std::snprintf(buffer.data(), buffer.size(), spec.c_str(), stars[0], stars[1], value);
            else if (starCount == 1)
                n = std::snprintf(buffer.data(), buffer.size(), spec.c_str(), stars[0], value);
            else
                n = std::snprintf(buffer.data(), buffer.size(), spec.c_str(), value);
        };
        switch (type) {
        case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A': {
            print(va_arg(args, double));
            std::string text(buffer.data(), n > 0 ? std::min<std::size_t>(n, buffer.size() - 1) : 0);
            for (char& c : text)
                if (c == '.')
                    c = g_separator;
            out += text;
            continue;
        }
        case 'd': case 'i': case 'u': case 'x': case 'X': case 'o': case 'c':
            if (isLongLong)
                print(va_arg(args, long long));
            else if (isLong)
                print(va_arg(args, long));
            else
                print(va_arg(args, int));
            break;
        case 's':
            print(va_arg(args, const char*));
            break;
        default:
            out.append(spec);
            continue;
        }
        out.append(buffer.data(), n > 0 ? std::min<std::size_t>(n, buffer.size() - 1) : 0);
    }
    va_end(args);
    return out;
}

std::string FormatG(double value) { return FormatText("%g", value); }

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
