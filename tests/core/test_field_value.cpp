#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "base/NumberText.h"
#include "units/FieldValue.h"
#include "units/Units.h"
#include "SeparatorTest.h"

namespace {
// Under either separator the same texts, with the separator in place of '.'.
class FieldValueTest : public UnderSeparator {
protected:
    std::string T(std::string text) const { return WithSep(std::move(text)); }
};

constexpr int kPrandtl = kQuantityDimensionless;
} // namespace

TEST_P(FieldValueTest, TemperatureInputThroughTheUnits)
{
    FieldScale t = MakeFieldScale(kQuantityTemperature, FieldRole::Input);
    ASSERT_TRUE(SelectFieldUnit(t, 1));  // "st C"
    const double model = ParseFieldValue("20", t);
    EXPECT_DOUBLE_EQ(model, 293.15);
    ASSERT_TRUE(SelectFieldUnit(t, 2));  // "st F": the model keeps 293.15
    EXPECT_EQ(FormatFieldValue(model, t), "68");
    ASSERT_TRUE(SelectFieldUnit(t, 0));
    EXPECT_EQ(FormatFieldValue(model, t), T("293.15"));
    ASSERT_TRUE(SelectFieldUnit(t, 2));
    EXPECT_EQ(ParseFieldValue("68", t), 0.5555555555555556 * 68 + 255.37);
    EXPECT_NEAR(ParseFieldValue("68", t), 293.1477, 1e-4);
}

TEST_P(FieldValueTest, TheModelKeepsFullPrecision)
{
    FieldScale t = MakeFieldScale(kQuantityTemperature, FieldRole::Input);
    const double model = ParseFieldValue(T("300.123456"), t);
    EXPECT_DOUBLE_EQ(model, 300.123456);
    SelectFieldUnit(t, 1);
    EXPECT_EQ(FormatFieldValue(model, t), T("26.9735"));
    SelectFieldUnit(t, 0);
    EXPECT_EQ(FormatFieldValue(model, t), T("300.123"));
}

TEST_P(FieldValueTest, TemperatureOutputShowsButDoesNotTakeTheInputPair)
{
    FieldScale t = MakeFieldScale(kQuantityTemperature, FieldRole::Output);
    SelectFieldUnit(t, 1);
    EXPECT_EQ(FormatFieldValue(373.15, t), "100");
    EXPECT_EQ(t.inputMultiplier, 1.0);
    EXPECT_EQ(t.inputOffset, 0.0);
}

TEST_P(FieldValueTest, PressureInItsUnits)
{
    FieldScale p = MakeFieldScale(kQuantityPressure, FieldRole::Output);
    EXPECT_EQ(FormatFieldValue(100000, p), "100000");
    SelectFieldUnit(p, 3);  // "MPa"
    EXPECT_EQ(FormatFieldValue(100000, p), T("0.1"));
    SelectFieldUnit(p, 2);  // "kPa"
    EXPECT_EQ(FormatFieldValue(100000, p), "100");
    SelectFieldUnit(p, 0);
    EXPECT_EQ(FormatFieldValue(1234567, p), T("1.23457e+06"));
    SelectFieldUnit(p, 5);  // "bar"
    EXPECT_EQ(ParseFieldValue(T("1.5"), p), 150000.0);
}

TEST_P(FieldValueTest, TextThatIsNoNumberReadsAsItsPrefixOrZero)
{
    FieldScale p = MakeFieldScale(kQuantityPressure, FieldRole::Input);
    SelectFieldUnit(p, 2);
    EXPECT_EQ(ParseFieldValue("12abc", p), 12000.0);
    for (const char* text : {"abc", "-", "+", "", " ", "e5", ".", ","})
        EXPECT_EQ(ParseFieldValue(text, p), 0.0) << text;
    EXPECT_EQ(ParseFieldValue(T("0.5"), p), 500.0);
    EXPECT_TRUE(std::isinf(ParseFieldValue("1e999", p)));
    FieldScale t = MakeFieldScale(kQuantityTemperature, FieldRole::Input);
    SelectFieldUnit(t, 1);
    EXPECT_DOUBLE_EQ(ParseFieldValue("", t), 273.15);  // empty box: 0 st C
}

TEST_P(FieldValueTest, NonFiniteValuesPrintAsSuch)
{
    const FieldScale p = MakeFieldScale(kQuantityPressure, FieldRole::Output);
    EXPECT_EQ(FormatFieldValue(std::numeric_limits<double>::infinity(), p), "inf");
    EXPECT_EQ(FormatFieldValue(-std::numeric_limits<double>::infinity(), p), "-inf");
    EXPECT_EQ(FormatFieldValue(std::nan(""), p).find("nan") != std::string::npos, true);
}

TEST_P(FieldValueTest, AFiniteValueThatOverflowsInTheShownUnitIsNoInf)
{
    const double max = std::numeric_limits<double>::max();
    FieldScale flow = MakeFieldScale(kQuantityMassFlow, FieldRole::Input);
    for (int unit = 0; unit < UnitCount(kQuantityMassFlow); ++unit) {
        ASSERT_TRUE(SelectFieldUnit(flow, unit));
        for (double si : {0.9 * max, -0.9 * max}) {
            const std::string text = FormatFieldValue(si, flow);
            EXPECT_TRUE(std::isfinite(ParseNumber(text))) << text << " in unit " << unit;
            EXPECT_GT(std::fabs(ParseNumber(text)), 1e307) << text << " in unit " << unit;
        }
    }
    FieldScale t = MakeFieldScale(kQuantityTemperature, FieldRole::Output);
    for (int unit = 0; unit < UnitCount(kQuantityTemperature); ++unit) {
        ASSERT_TRUE(SelectFieldUnit(t, unit));
        EXPECT_TRUE(std::isfinite(ParseNumber(FormatFieldValue(-max, t)))) << unit;
    }
}

TEST_P(FieldValueTest, SingleUnitFieldsNeverChange)
{
    FieldScale pr = MakeFieldScale(kPrandtl, FieldRole::Output);
    EXPECT_FALSE(pr.HasUnits());
    EXPECT_FALSE(SelectFieldUnit(pr, 0));
    EXPECT_FALSE(SelectFieldUnit(pr, 1));
    EXPECT_EQ(pr.factor, 1.0);
    EXPECT_EQ(FormatFieldValue(6.99, pr), T("6.99"));
    FieldScale percent = MakeFieldScale(kQuantityPercent, FieldRole::Input);
    EXPECT_FALSE(SelectFieldUnit(percent, 0));
    EXPECT_EQ(ParseFieldValue("60", percent), 60.0);
}

TEST_P(FieldValueTest, AUnitOutsideTheListChangesNothing)
{
    FieldScale p = MakeFieldScale(kQuantityPressure, FieldRole::Input);
    SelectFieldUnit(p, 5);
    EXPECT_FALSE(SelectFieldUnit(p, -1));  // a combo with no selection
    EXPECT_FALSE(SelectFieldUnit(p, UnitCount(kQuantityPressure)));
    EXPECT_EQ(p.factor, 100000.0);
    FieldScale t = MakeFieldScale(kQuantityTemperature, FieldRole::Input);
    EXPECT_FALSE(SelectFieldUnit(t, 4));
    EXPECT_EQ(t.displayMultiplier, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Separators, FieldValueTest, ::testing::Values('.', ','));
