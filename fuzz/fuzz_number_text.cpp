// Number text: reading any bytes and printing any double, under both
// separators, against the C library in the "C" locale (strtod_l and
// snprintf_l), which is what the program's own number text must equal.
#include <clocale>
#include <cstring>
#include <locale.h>

#include "FuzzInput.h"
#include "base/NumberText.h"

namespace {

using fuzz::Same;
using fuzz::Show;

locale_t CLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// The text as the C library reads it after the separator and the full stop
// trade places: the library's grammar with the other separator.
std::string Swapped(std::string_view text)
{
    std::string swapped(text);
    for (char& c : swapped)
        c = c == ',' ? '.' : c == '.' ? ',' : c;
    return swapped;
}

void CheckParse(std::string_view text, char separator)
{
    const std::size_t length = NumberPrefixLength(text, separator);
    FUZZ_CHECK(length <= text.size(), "prefix longer than the text");
    const double value = ParseNumber(text, separator);
    FUZZ_CHECK(Same(value, ParseNumber(text.substr(0, length), separator)),
               "the value is not the value of the prefix");
    FUZZ_CHECK(length > 0 || Same(value, 0.0), "no number, yet not 0");
    if (IsNonFiniteWord(text))
        FUZZ_CHECK(!std::isfinite(value), "inf or nan read as a finite number");

    // strtod stops at a NUL; the comparison takes what comes before it.
    const std::string before(text.substr(0, text.find('\0')));
    const std::string c = separator == ',' ? Swapped(before) : before;
    char* end = nullptr;
    const double expected = strtod_l(c.c_str(), &end, CLocale());
    const std::string_view read(c.c_str(), static_cast<std::size_t>(end - c.c_str()));
    // Hexadecimal numbers are no number text of ours: "0x1p3" reads as 0.
    if (read.find_first_of("xX") != std::string_view::npos)
        return;
    if (before.size() == text.size()) {
        FUZZ_CHECK(length == read.size(), "prefix " + std::to_string(length) + ", strtod reads " +
                                              std::to_string(read.size()));
    }
    FUZZ_CHECK(Same(value, expected) || (std::isnan(value) && std::isnan(expected)),
               Show(value) + " where strtod reads " + Show(expected));
}

std::string CFormat(const char* format, int precision, double value, char separator)
{
    char buffer[1200];
    locale_t previous = uselocale(CLocale());
    std::snprintf(buffer, sizeof buffer, format, precision, value);
    uselocale(previous);
    std::string text = buffer;
    if (separator == ',')
        for (char& ch : text)
            if (ch == '.')
                ch = ',';
    return text;
}

void CheckFormat(double value, int digits, int decimals, char separator)
{
    SetDecimalSeparator(separator);
    const std::string g = FormatG(value);
    FUZZ_CHECK(g == CFormat("%.*g", 6, value, separator), g + " for " + Show(value));
    const std::string gd = FormatG(value, digits);
    FUZZ_CHECK(gd == CFormat("%.*g", digits < 1 ? 1 : digits, value, separator),
               gd + " for " + Show(value) + " with " + std::to_string(digits) + " digits");
    std::string appended = "x";
    AppendG(appended, value, digits);
    FUZZ_CHECK(appended == "x" + gd, "AppendG differs from FormatG: " + appended);

    const int d = decimals < 0 ? 0 : decimals;
    FUZZ_CHECK(FormatFixed(value, decimals) == CFormat("%.*f", d, value, separator), "FormatFixed " + Show(value));
    FUZZ_CHECK(FormatFixed(value, decimals, Point::Keep) == CFormat("%#.*f", d, value, separator),
               "FormatFixed keeping the point " + Show(value));
    FUZZ_CHECK(FormatExp(value, decimals) == CFormat("%.*e", d, value, separator), "FormatExp " + Show(value));
    FUZZ_CHECK(FormatExp(value, decimals, Point::Keep) == CFormat("%#.*e", d, value, separator),
               "FormatExp keeping the point " + Show(value));

    // Seventeen digits read back to the same double, in either separator.
    if (std::isfinite(value)) {
        const double back = ParseNumber(FormatG(value, 17), separator);
        FUZZ_CHECK(Same(back, value), FormatG(value, 17) + " reads back as " + Show(back));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    const char separator = in.Bit() ? ',' : '.';
    const std::uint8_t what = in.Byte();
    if (what < 128) {
        // A text typed or pasted: the rest of the input.
        const std::string_view text = in.Rest();
        CheckParse(text, separator);
        CheckParse(text, separator == ',' ? '.' : ',');
        SetDecimalSeparator(separator);
        FUZZ_CHECK(Same(ParseNumber(text), ParseNumber(text, separator)), "the separator in force is not used");
        const char named = SeparatorForLocaleName(text);
        FUZZ_CHECK(named == '.' || named == ',', "a separator that is neither");
        const std::size_t width = what;
        const std::string right = AlignRight(std::string(text), width);
        const std::string left = AlignLeft(std::string(text), width);
        FUZZ_CHECK(right.size() == std::max(width, text.size()) && right.ends_with(text), "AlignRight");
        FUZZ_CHECK(left.size() == std::max(width, text.size()) && left.starts_with(text), "AlignLeft");
        return 0;
    }
    // A number printed: any double, any digits and decimals a caller asks
    // for (negative ones included), within what a window could show.
    while (!in.Empty()) {
        const double value = in.Double();
        const int digits = static_cast<int>(in.Below(48)) - 8;
        const int decimals = static_cast<int>(in.Below(360)) - 8;
        CheckFormat(value, digits, decimals, in.Bit() ? ',' : '.');
    }
    return 0;
}
