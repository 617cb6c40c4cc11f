#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

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
    EXPECT_EQ(FormatText(" %8.2f K", 273.15), WithSep("   273.15 K"));
    EXPECT_EQ(FormatText(" %5.0f kPa", 100.0), "   100 kPa");
    EXPECT_EQ(FormatText(" %8.0f hPa", 960.0), "      960 hPa");
    EXPECT_EQ(FormatText(" %8.5f kg/kg", 0.0148937), WithSep("  0.01489 kg/kg"));
    EXPECT_EQ(FormatText("%-10.0f|", 12.5), "12        |");
    EXPECT_EQ(FormatText("%#.0f", 3.0), WithSep("3."));
    EXPECT_EQ(FormatText("%#.3e", 1234.5), WithSep("1.234e+03"));
    EXPECT_EQ(FormatText("%.11f", 0.5), WithSep("0.50000000000"));
    EXPECT_EQ(FormatText("%.*g", 3, 3.14159), WithSep("3.14"));
    EXPECT_EQ(FormatText("%d items, %s", 42, "ok"), "42 items, ok");
    EXPECT_EQ(FormatText("100%% of %g", 2.5), WithSep("100% of 2.5"));
    // Literal points in the format stay points; only numbers take the separator.
    EXPECT_EQ(FormatText("v. %g", 1.5), "v. " + WithSep("1.5"));
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
        EXPECT_DOUBLE_EQ(ParseNumber(FormatText("%.17g", v)), v);
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
