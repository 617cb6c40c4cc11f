#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <random>
#include <vector>

#include "base/NumberText.h"
#include "SeparatorTest.h"

namespace {

// Runs the test body under one separator and restores the default.
class NumberTextTest : public UnderSeparator {};

TEST_P(NumberTextTest, GeneralFormatMatchesPrintf)
{
    EXPECT_EQ(FormatG(1609.344), WithSep("1609.34"));
    EXPECT_EQ(FormatG(1234567), WithSep("1.23457e+06"));
    EXPECT_EQ(FormatG(1e-05), "1e-05");
    EXPECT_EQ(FormatG(0.5), WithSep("0.5"));
    EXPECT_EQ(FormatG(0.27777777), WithSep("0.277778"));
    EXPECT_EQ(FormatG(123456.5), "123456");
    EXPECT_EQ(FormatG(-0.0), "-0");
    EXPECT_EQ(FormatG(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(FormatG(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(FormatG(std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST_P(NumberTextTest, FixedExponentAndWidthFormats)
{
    EXPECT_EQ(AlignRight(FormatFixed(273.15, 2), 8), WithSep("  273.15"));
    EXPECT_EQ(AlignRight(FormatFixed(100.0, 0), 5), "  100");
    EXPECT_EQ(AlignRight(FormatFixed(960.0, 0), 8), "     960");
    EXPECT_EQ(AlignRight(FormatFixed(0.0148937, 5), 8), WithSep(" 0.01489"));
    EXPECT_EQ(AlignLeft(FormatFixed(12.5, 0), 10) + "|", "12        |");
    EXPECT_EQ(FormatFixed(0.5, 11), WithSep("0.50000000000"));
    EXPECT_EQ(FormatG(3.14159, 3), WithSep("3.14"));
    EXPECT_EQ(FormatExp(1234.5, 3), WithSep("1.234e+03"));
    EXPECT_EQ(FormatExp(1e-300, 2), WithSep("1.00e-300"));
    // A field narrower than the text never cuts it.
    EXPECT_EQ(AlignRight("123456789", 3), "123456789");
    EXPECT_EQ(AlignLeft("", 2), "  ");
}

TEST_P(NumberTextTest, PrecisionOutsideItsRange)
{
    // printf reads a precision of 0 for "g" as 1; a negative one is ours to define.
    EXPECT_EQ(FormatG(1234.5, 0), "1e+03");
    EXPECT_EQ(FormatG(1234.5, -3), "1e+03");
    EXPECT_EQ(FormatFixed(2.75, -1), "3");
    EXPECT_EQ(FormatExp(2.75, -1), "3e+00");
}

TEST_P(NumberTextTest, VeryLongTextsAreWhole)
{
    // Longer than any buffer a printf-style helper would keep on the stack.
    const std::string tiny = FormatFixed(5e-324, 1100);
    EXPECT_EQ(tiny.size(), 1102u);
    EXPECT_EQ(tiny.substr(0, 2), WithSep("0."));
    EXPECT_EQ(ParseNumber(tiny), 5e-324);
    EXPECT_EQ(AlignRight("x", 600).size(), 600u);
}

// The C library in the "C" locale is the reference every text must match
// byte for byte, the decimal point turned into the separator.
class CReference {
public:
    CReference() : locale_(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr))), previous_(uselocale(locale_)) {}
    ~CReference()
    {
        uselocale(previous_);
        freelocale(locale_);
    }
    CReference(const CReference&) = delete;
    CReference& operator=(const CReference&) = delete;

    static std::string Print(const char* format, int precision, double value)
    {
        std::string text(1024, '\0');
        const int n = std::snprintf(text.data(), text.size(), format, precision, value);
        text.resize(n > 0 && static_cast<std::size_t>(n) < text.size() ? static_cast<std::size_t>(n) : 0);
        return text;
    }

private:
    locale_t locale_;
    locale_t previous_;
};

TEST_P(NumberTextTest, EveryFormatMatchesTheCLibrary)
{
    const CReference reference;
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double values[] = {0.0, -0.0, 1.0, -1.0, 0.5, 2.5, 1609.344, 0.27777777, 123456.5, 999999.5, 1e-05,
                             1.5e-5, 6.02214076e23, -273.15, 1e21, 1e-300, 4.9e-324, 1.7976931348623157e308,
                             -1.7976931348623157e308, 0.1, 1.0 / 3.0, 9.9999999e-5, 299792458.0, -2.5e-7,
                             inf, -inf, nan, -nan};
    for (double v : values) {
        // The largest double with 60 decimals is 370 characters long.
        for (int p : {0, 1, 2, 5, 6, 11, 15, 17, 25, 60}) {
            EXPECT_EQ(FormatG(v, p), WithSep(CReference::Print("%.*g", p, v))) << v << " g " << p;
            // Appended, the text before keeps its own full stop.
            std::string appended = "a.b ";
            AppendG(appended, v, p);
            EXPECT_EQ(appended, "a.b " + WithSep(CReference::Print("%.*g", p, v))) << v << " g " << p;
            EXPECT_EQ(FormatFixed(v, p), WithSep(CReference::Print("%.*f", p, v))) << v << " f " << p;
            EXPECT_EQ(FormatExp(v, p), WithSep(CReference::Print("%.*e", p, v))) << v << " e " << p;
            EXPECT_EQ(FormatFixed(v, p, Point::Keep), WithSep(CReference::Print("%#.*f", p, v))) << v << " #f " << p;
            EXPECT_EQ(FormatExp(v, p, Point::Keep), WithSep(CReference::Print("%#.*e", p, v))) << v << " #e " << p;
        }
        EXPECT_EQ(FormatG(v), WithSep(CReference::Print("%.*g", 6, v))) << v;
    }
}

// %g takes an exact shortcut for the numbers most texts show; it must give
// what the general algorithm gives for every double. Compared widely: random
// bit patterns (every exponent, where the shortcut mostly declines), values
// where it applies, decimal-looking values, neighbours of powers of ten, and
// exact halves, which round to even.
TEST_P(NumberTextTest, GeneralFormatIsExactForEveryKindOfDouble)
{
    std::mt19937_64 random(20261201);
    std::vector<double> values;
    for (int i = 0; i < 60000; ++i)
        values.push_back(std::bit_cast<double>(random()));
    for (int i = 0; i < 60000; ++i) {
        const std::uint64_t exponent = static_cast<std::uint64_t>(1023 - 90 + static_cast<int>(random() % 180));
        values.push_back(std::bit_cast<double>((random() & ((std::uint64_t{1} << 52) - 1)) | exponent << 52 |
                                               (random() & (std::uint64_t{1} << 63))));
    }
    for (int i = 0; i < 30000; ++i)
        values.push_back(static_cast<double>(static_cast<std::int64_t>(random() % 2000001) - 1000000) /
                         std::pow(10.0, static_cast<int>(random() % 12)));
    for (int k = -40; k <= 40; ++k) {
        double below = std::pow(10.0, k);
        double above = below;
        for (int n = 0; n < 4; ++n) {
            values.push_back(below);
            values.push_back(above);
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, 1e300);
        }
        values.push_back(9.5 * std::pow(10.0, k));
        values.push_back(0.95 * std::pow(10.0, k));
    }
    for (int i = 0; i < 10000; ++i) {
        // Odd 53-bit mantissas over 2, 4, 8: their last decimal digit is a 5.
        const auto odd = static_cast<double>(((random() | 1) & ((std::uint64_t{1} << 53) - 1)) | std::uint64_t{1} << 52);
        values.insert(values.end(), {odd / 2, odd / 4, odd / 8, odd * 5e-16});
    }
    for (double whole : {0.5, 1.5, 2.5, 999999.5, 123456.5, 9999995.0, 99999999999999995.0})
        values.push_back(whole);

    int mismatches = 0;
    for (double v : values) {
        for (int p : {1, 2, 3, 6, 10, 15, 16, 17}) {
            char reference[64];
            const auto end = std::to_chars(reference, reference + sizeof reference, v, std::chars_format::general, p).ptr;
            const std::string expected = WithSep(std::string(reference, end));
            if (FormatG(v, p) != expected && ++mismatches <= 10)
                ADD_FAILURE() << std::hexfloat << v << " p " << p << ": " << FormatG(v, p) << " != " << expected;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST_P(NumberTextTest, OnlyTheDecimalMarkFollowsTheSeparator)
{
    // Exponent signs, minus signs and digits are the same under both.
    EXPECT_EQ(FormatExp(-1.25e-12, 2), WithSep("-1.25e-12"));
    EXPECT_EQ(FormatG(-12345678.0), WithSep("-1.23457e+07"));
    const std::string text = FormatFixed(1234.5678, 3);
    EXPECT_EQ(text.find(sep() == ',' ? '.' : ','), std::string::npos);
    EXPECT_EQ(ParseNumber(text), 1234.568);
}

TEST_P(NumberTextTest, NonFiniteWords)
{
    EXPECT_TRUE(IsNonFiniteWord("inf"));
    EXPECT_TRUE(IsNonFiniteWord("-inf"));
    EXPECT_TRUE(IsNonFiniteWord("+Infinity"));
    EXPECT_TRUE(IsNonFiniteWord("nan"));
    EXPECT_TRUE(IsNonFiniteWord("-nan"));
    EXPECT_TRUE(IsNonFiniteWord(" NaN(1)"));
    EXPECT_FALSE(IsNonFiniteWord("in"));
    EXPECT_FALSE(IsNonFiniteWord("1e999"));   // overflows, yet written with digits
    EXPECT_FALSE(IsNonFiniteWord(WithSep("0.")));
    EXPECT_FALSE(IsNonFiniteWord(""));
    EXPECT_FALSE(IsNonFiniteWord("-"));
}

TEST_P(NumberTextTest, ReadsLikeAtof)
{
    EXPECT_DOUBLE_EQ(ParseNumber("12abc"), 12.0);
    EXPECT_EQ(ParseNumber("abc"), 0.0);
    EXPECT_EQ(ParseNumber(""), 0.0);
    EXPECT_EQ(ParseNumber("-"), 0.0);
    EXPECT_EQ(ParseNumber("+"), 0.0);
    EXPECT_EQ(ParseNumber(WithSep(".")), 0.0);
    EXPECT_DOUBLE_EQ(ParseNumber(WithSep(" 1.5e3")), 1500.0);
    EXPECT_DOUBLE_EQ(ParseNumber(WithSep("-.5")), -0.5);
    EXPECT_DOUBLE_EQ(ParseNumber(WithSep("2.")), 2.0);
    EXPECT_DOUBLE_EQ(ParseNumber("7e"), 7.0);
    EXPECT_DOUBLE_EQ(ParseNumber("7e+"), 7.0);
    EXPECT_DOUBLE_EQ(ParseNumber("\t\n 3"), 3.0);
    EXPECT_EQ(ParseNumber("- 3"), 0.0);
    EXPECT_TRUE(std::isinf(ParseNumber("1e999")));
    EXPECT_EQ(ParseNumber("1e-999"), 0.0);
    EXPECT_TRUE(std::isinf(ParseNumber("inf")));
    EXPECT_TRUE(std::isinf(ParseNumber("-Infinity")));
    EXPECT_LT(ParseNumber("-INF"), 0.0);
    EXPECT_TRUE(std::isnan(ParseNumber("nan")));
    EXPECT_TRUE(std::isnan(ParseNumber("NaN(123)x")));
    EXPECT_EQ(ParseNumber("in"), 0.0);
}

TEST_P(NumberTextTest, RoundTripsEveryPrintedValue)
{
    for (double v : {0.1, 1609.34, -273.15, 1.23457e+06, 6.02e23, 1e-300})
        EXPECT_EQ(ParseNumber(FormatG(v, 17)), v);
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, NumberTextTest, ::testing::Values('.', ','),
                         [](const auto& info) { return info.param == ',' ? "comma" : "point"; });

TEST(NumberTextSeparator, TheOtherMarkEndsTheNumber)
{
    EXPECT_DOUBLE_EQ(ParseNumber("1.5", ','), 1.0);
    EXPECT_DOUBLE_EQ(ParseNumber("1,5", '.'), 1.0);
    EXPECT_DOUBLE_EQ(ParseNumber("1,5", ','), 1.5);
    EXPECT_EQ(NumberPrefixLength("12abc", '.'), 2u);
    EXPECT_EQ(NumberPrefixLength("abc", '.'), 0u);
}

TEST(NumberTextSeparator, ChosenFromLocaleNames)
{
    EXPECT_EQ(SeparatorForLocaleName("pl_PL.UTF-8"), ',');
    EXPECT_EQ(SeparatorForLocaleName("pl"), ',');
    EXPECT_EQ(SeparatorForLocaleName("C"), '.');
    EXPECT_EQ(SeparatorForLocaleName("POSIX"), '.');
    EXPECT_EQ(SeparatorForLocaleName("C.UTF-8"), '.');
    EXPECT_EQ(SeparatorForLocaleName("en_US.UTF-8"), '.');
    EXPECT_EQ(SeparatorForLocaleName(""), '.');
    EXPECT_EQ(SeparatorForLocaleName("plx_XX"), '.');
}

TEST(NumberTextSeparator, TerritoryOverridesLanguage)
{
    EXPECT_EQ(SeparatorForLocaleName("de_DE.UTF-8"), ',');
    EXPECT_EQ(SeparatorForLocaleName("de_CH.UTF-8"), '.');
    EXPECT_EQ(SeparatorForLocaleName("de_CH.ISO-8859-1@euro"), '.');
    EXPECT_EQ(SeparatorForLocaleName("es_ES.UTF-8"), ',');
    EXPECT_EQ(SeparatorForLocaleName("es_MX.UTF-8"), '.');
    EXPECT_EQ(SeparatorForLocaleName("es_419"), '.');
    EXPECT_EQ(SeparatorForLocaleName("en_ZA.UTF-8"), ',');
    EXPECT_EQ(SeparatorForLocaleName("it_CH"), '.');
    // A territory the table does not name takes its language's mark.
    EXPECT_EQ(SeparatorForLocaleName("de_US"), ',');
    // Scripts, modifiers, case and hyphens do not hide the parts.
    EXPECT_EQ(SeparatorForLocaleName("sr_RS@latin"), ',');
    EXPECT_EQ(SeparatorForLocaleName("az_Arab_IR"), '.');
    EXPECT_EQ(SeparatorForLocaleName("DE_ch"), '.');
    EXPECT_EQ(SeparatorForLocaleName("de-CH"), '.');
    // Legacy language codes.
    EXPECT_EQ(SeparatorForLocaleName("no_NO"), ',');
    EXPECT_EQ(SeparatorForLocaleName("iw_IL"), '.');
    // Arabic writes its own decimal mark, which counts as the point.
    EXPECT_EQ(SeparatorForLocaleName("ar_EG.UTF-8"), '.');
    EXPECT_EQ(SeparatorForLocaleName("ar_MA.UTF-8"), ',');
}

TEST(NumberTextSeparator, EnvironmentPrecedence)
{
    ::setenv("LC_ALL", "", 1);
    ::setenv("LC_NUMERIC", "pl_PL.UTF-8", 1);
    ::setenv("LANG", "en_US.UTF-8", 1);
    EXPECT_EQ(SeparatorFromEnvironment(), ',');
    ::setenv("LC_ALL", "C", 1);
    EXPECT_EQ(SeparatorFromEnvironment(), '.');
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_NUMERIC");
    ::setenv("LANG", "pl_PL", 1);
    EXPECT_EQ(SeparatorFromEnvironment(), ',');
    ::unsetenv("LANG");
    EXPECT_EQ(SeparatorFromEnvironment(), '.');
}

TEST(NumberTextSeparator, IgnoresTheProcessLocale)
{
    // Even when the C library's own locale writes commas, ours decides.
    const bool haveComma = std::setlocale(LC_NUMERIC, "pl_PL.UTF-8") != nullptr ||
                           std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    SetDecimalSeparator('.');
    EXPECT_EQ(FormatG(2.5), "2.5");
    EXPECT_DOUBLE_EQ(ParseNumber("2.5"), 2.5);
    std::setlocale(LC_NUMERIC, "C");
    if (!haveComma)
        GTEST_LOG_(INFO) << "no comma locale installed; checked under C only";
}

} // namespace
