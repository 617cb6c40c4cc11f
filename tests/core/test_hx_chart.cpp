// The h-x chart's geometry against the humid-air model it is drawn from.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <vector>

#include "media/HxChart.h"
#include "pages/HxChartScene.h"
#include "media/Messages.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kC = 273.15;

// The model as the page holds it at a pressure.
CPowietrze AirAt(double pressure)
{
    CPowietrze air;
    air.SetBarometricPressure(pressure, CPowietrze::kRelativeHumidityMode);
    return air;
}

void ExpectRelative(double actual, double expected, double tolerance, const char* what)
{
    EXPECT_LE(std::fabs(actual - expected), tolerance * std::max(1.0, std::fabs(expected)))
        << what << ": " << actual << " vs " << expected;
}

std::vector<const HxLine*> Family(const std::vector<HxLine>& lines, HxFamily family)
{
    std::vector<const HxLine*> found;
    for (const HxLine& line : lines)
        if (line.family == family)
            found.push_back(&line);
    return found;
}

class HxChartAt : public ::testing::TestWithParam<double> {};

TEST_P(HxChartAt, HumidityCurvesHoldTheirHumidityAndTheSaturatedMoisture)
{
    const HxChart chart(GetParam());
    CPowietrze air = AirAt(GetParam());
    const auto lines = chart.Lines(chart.DefaultRange());
    const auto saturation = Family(lines, HxFamily::Saturation);
    ASSERT_EQ(saturation.size(), 1u);
    EXPECT_EQ(&lines.front(), saturation.front());  // drawn first, under the rest
    ASSERT_GT(saturation.front()->points.size(), 50u);
    for (const HxPoint& p : saturation.front()->points) {
        const HxState s = chart.StateAt(p);
        ASSERT_EQ(s.where, HxWhere::Air);
        ExpectRelative(s.humidity, 100, 1e-9, "saturation humidity");
        ExpectRelative(p.x, air.MoistureContent(s.temperature, 100), 1e-9, "saturation moisture");
        ExpectRelative(p.h, air.Enthalpy(s.temperature, 100), 1e-9, "saturation enthalpy");
    }
    const auto humidities = Family(lines, HxFamily::RelativeHumidity);
    ASSERT_EQ(humidities.size(), 9u);
    for (const HxLine* line : humidities) {
        EXPECT_EQ(std::fmod(line->value, 10.0), 0.0);
        for (const HxPoint& p : line->points)
            ExpectRelative(chart.StateAt(p).humidity, line->value, 1e-6, "humidity line");
    }
}

TEST_P(HxChartAt, IsothermsAndIsenthalpsKeepTheirValueAndEndOnTheCurveOrTheEdge)
{
    const HxChart chart(GetParam());
    CPowietrze air = AirAt(GetParam());
    const HxRange range = chart.DefaultRange();
    const auto lines = chart.Lines(range);

    const auto isotherms = Family(lines, HxFamily::Isotherm);
    ASSERT_EQ(isotherms.size(), 15u);  // -20 °C to 50 °C
    EXPECT_DOUBLE_EQ(isotherms.front()->value, kC - 20);
    EXPECT_DOUBLE_EQ(isotherms.back()->value, kC + 50);
    for (const HxLine* line : isotherms) {
        ASSERT_EQ(line->points.size(), 2u);
        EXPECT_EQ(line->points.front().x, 0);
        for (const HxPoint& p : line->points)
            ExpectRelative(chart.TemperatureAt(p), line->value, 1e-9, "isotherm");
        const HxPoint end = line->points.back();
        const bool saturated = std::fabs(chart.StateAt(end).humidity - 100) < 1e-6;
        const bool onEdge = std::fabs(end.x - range.maxMoisture) < 1e-12;
        EXPECT_TRUE(saturated != onEdge) << line->value;
        EXPECT_EQ(onEdge, air.MoistureContent(line->value, 100) > range.maxMoisture) << line->value;
    }

    const auto isenthalps = Family(lines, HxFamily::Isenthalp);
    ASSERT_GT(isenthalps.size(), 10u);
    for (const HxLine* line : isenthalps) {
        EXPECT_EQ(std::fmod(line->value, HxChart::kIsenthalpStep), 0.0) << line->value;
        for (const HxPoint& p : line->points)
            EXPECT_EQ(p.h, line->value);
        const HxPoint end = line->points.back();
        EXPECT_LE(end.x, range.maxMoisture);
        if (end.x < range.maxMoisture && chart.TemperatureAt(end) > chart.MinTemperature() + 1e-9) {
            // Where it meets the saturation curve: the model's wet bulb of
            // any air on it (false position stops within 0.01 K).
            const HxState s = chart.StateAt(end);
            ExpectRelative(s.humidity, 100, 1e-6, "isenthalp end");
            const HxState start = chart.StateAt({end.x / 2, line->value});
            EXPECT_NEAR(start.wetBulb, s.temperature, 0.02) << line->value;
        }
    }
}

TEST_P(HxChartAt, TheZeroDegreeIsothermIsHorizontalAndTheSkewIsTheModels)
{
    const HxChart chart(GetParam());
    CPowietrze air = AirAt(GetParam());
    EXPECT_DOUBLE_EQ(chart.SkewSlope(), 2500e3);
    const double dry = chart.Skewed(chart.PointOf(kC, 0));
    for (double humidity : {10.0, 50.0, 100.0})
        EXPECT_NEAR(chart.Skewed(chart.PointOf(kC, humidity)), dry, 1e-9);
    // Warmer isotherms rise to the right, colder ones fall.
    EXPECT_GT(chart.Skewed(chart.PointOf(kC + 20, 100)), chart.Skewed(chart.PointOf(kC + 20, 0)));
    EXPECT_LT(chart.Skewed(chart.PointOf(kC - 10, 100)), chart.Skewed(chart.PointOf(kC - 10, 0)));
    // The left edge reads the temperature: dry air's height is the model's
    // dry-air enthalpy.
    EXPECT_DOUBLE_EQ(chart.Skewed(chart.PointOf(kC + 30, 0)), air.Enthalpy(kC + 30, 0));
}

TEST_P(HxChartAt, VolumeLinesHoldTheModelsSpecificVolumeUpToSaturation)
{
    const HxChart chart(GetParam());
    CPowietrze air = AirAt(GetParam());
    const auto lines = chart.Lines(chart.DefaultRange());
    const auto volumes = Family(lines, HxFamily::SpecificVolume);
    ASSERT_GT(volumes.size(), 10u);
    for (const HxLine* line : volumes) {
        for (const HxPoint& p : line->points) {
            const HxState s = chart.StateAt(p);
            ASSERT_EQ(s.where, HxWhere::Air) << line->value;
            ExpectRelative(air.SpecificVolume(s.temperature, s.humidity), line->value, 1e-6, "volume line");
        }
    }
}

TEST_P(HxChartAt, StateAtAPointIsTheStateThatMadeIt)
{
    const HxChart chart(GetParam());
    CPowietrze air = AirAt(GetParam());
    for (double t : {-20.0, -5.0, 0.0, 12.5, 20.0, 37.0, 60.0, 95.0}) {
        for (double humidity : {0.0, 1.0, 35.0, 60.0, 99.0, 100.0}) {
            const double temperature = kC + t;
            const HxState s = chart.StateAt(chart.PointOf(temperature, humidity));
            ASSERT_EQ(s.where, HxWhere::Air) << t << " " << humidity;
            ExpectRelative(s.temperature, temperature, 1e-6, "temperature");
            ExpectRelative(s.humidity, humidity, 1e-6, "humidity");
            ExpectRelative(s.moisture, air.MoistureContent(temperature, humidity), 1e-6, "moisture");
            ExpectRelative(s.enthalpy, air.Enthalpy(temperature, humidity), 1e-6, "enthalpy");
            ExpectRelative(s.dewPoint, air.DewPoint(temperature, humidity), 1e-6, "dew point");
            ExpectRelative(s.wetBulb, air.WetBulbTemperature(temperature, humidity), 1e-6, "wet bulb");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pressures, HxChartAt, ::testing::Values(96000.0, 100000.0, 101325.0, 104000.0));

TEST(HxChart, FogOutsideAndRefusedInput)
{
    const HxChart chart(100000);
    const HxPoint saturated = chart.SaturatedPoint(kC + 20);
    const HxPoint wet{saturated.x + 0.002, CPowietrze::EnthalpyOf(kC + 20, saturated.x + 0.002)};
    const HxState fog = chart.StateAt(wet);
    EXPECT_EQ(fog.where, HxWhere::Fog);
    EXPECT_NEAR(fog.temperature, kC + 20, 1e-9);
    EXPECT_FALSE(chart.PickAt(wet).accepted);
    // Just on the air side of the curve is air.
    EXPECT_EQ(chart.StateAt({saturated.x * (1 - 1e-9), saturated.h}).where, HxWhere::Air);

    for (HxPoint p : {HxPoint{-0.001, 20e3}, HxPoint{0.01, -60e3}, HxPoint{0, 120e3}, HxPoint{kNaN, 1},
                      HxPoint{0.01, kInf}, HxPoint{kInf, 1e308}})
        EXPECT_EQ(chart.StateAt(p).where, HxWhere::Outside) << p.x << " " << p.h;

    for (double refused : {95999.0, 104001.0, kNaN, kInf, -kInf}) {
        const HxChart none(refused);
        EXPECT_FALSE(none.IsValid()) << refused;
        EXPECT_TRUE(none.Lines(none.DefaultRange()).empty());
        EXPECT_EQ(none.StateAt(chart.PointOf(kC + 20, 50)).where, HxWhere::Outside);
        EXPECT_FALSE(none.PickAt(chart.PointOf(kC + 20, 50)).accepted);
    }
}

TEST(HxChart, TheModelsStateIsAirOnlyWhileItHoldsOne)
{
    CPowietrze air = AirAt(100000);
    EXPECT_EQ(HxStateOf(air).where, HxWhere::Outside);  // 0 K, nothing computed
    air.SetTemperature(kC + 24, CPowietrze::kRelativeHumidityMode);
    air.SetRelativeHumidity(45);
    const HxState s = HxStateOf(air);
    ASSERT_EQ(s.where, HxWhere::Air);
    const HxState at = HxChart(100000).StateAt({s.moisture, s.enthalpy});
    EXPECT_NEAR(at.temperature, s.temperature, 1e-9);
    EXPECT_NEAR(at.humidity, s.humidity, 1e-9);
    EXPECT_NEAR(at.dewPoint, s.dewPoint, 1e-6);
    EXPECT_NEAR(at.wetBulb, s.wetBulb, 1e-6);
    air.SetRelativeHumidity(120);
    EXPECT_EQ(HxStateOf(air).where, HxWhere::Outside);
}

TEST(HxChart, ThePressureMovesTheCurvesAsTheModelSays)
{
    const HxChart low(96000), high(104000);
    EXPECT_GT(low.SaturatedPoint(kC + 20).x, high.SaturatedPoint(kC + 20).x);
    EXPECT_DOUBLE_EQ(low.SaturatedPoint(kC + 20).x, AirAt(96000).MoistureContent(kC + 20, 100));
    EXPECT_LT(low.MaxTemperature(), high.MaxTemperature());
    EXPECT_DOUBLE_EQ(low.MaxTemperature(), AirAt(96000).GetMaxTemperature());
}

TEST(HxChart, LinesStayWithinTheRangeAndEndOnItsEdge)
{
    const HxChart chart(100000);
    const HxRange range{kC - 10, kC + 40, 0.012};
    for (const HxLine& line : chart.Lines(range)) {
        for (const HxPoint& p : line.points)
            EXPECT_LE(p.x, range.maxMoisture * (1 + 1e-9)) << int(line.family) << " " << line.value;
        if (line.family == HxFamily::RelativeHumidity && line.value >= 50) {
            // These leave through the right edge before 40 °C.
            EXPECT_NEAR(line.points.back().x, range.maxMoisture, 1e-9) << line.value;
        }
    }
    // The isotherms of the range only.
    const auto lines = chart.Lines(range);
    const auto isotherms = Family(lines, HxFamily::Isotherm);
    ASSERT_EQ(isotherms.size(), 11u);
    EXPECT_DOUBLE_EQ(isotherms.front()->value, kC - 10);
}

TEST(HxChart, TheDefaultRangeWidensToHoldItsPointsWithinTheModel)
{
    const HxChart chart(100000);
    const HxRange usual = chart.DefaultRange();
    EXPECT_DOUBLE_EQ(usual.minTemperature, kC - 20);
    EXPECT_DOUBLE_EQ(usual.maxTemperature, kC + 50);
    EXPECT_DOUBLE_EQ(usual.maxMoisture, 0.030);

    const std::vector<HxPoint> inside = {chart.PointOf(kC + 25, 50), {kNaN, 0}, {-1, 1e6}};
    const HxRange same = chart.DefaultRange(inside);
    EXPECT_DOUBLE_EQ(same.maxTemperature, usual.maxTemperature);
    EXPECT_DOUBLE_EQ(same.maxMoisture, usual.maxMoisture);

    const std::vector<HxPoint> hot = {chart.PointOf(kC + 62, 30)};  // 43.6 g/kg
    const HxRange wide = chart.DefaultRange(hot);
    EXPECT_DOUBLE_EQ(wide.maxTemperature, kC + 70);
    EXPECT_NEAR(wide.maxMoisture, 0.045, 1e-12);
    EXPECT_GE(wide.maxMoisture, hot[0].x);

    const std::vector<HxPoint> boiling = {chart.PointOf(kC + 99, 90)};
    const HxRange top = chart.DefaultRange(boiling);
    EXPECT_DOUBLE_EQ(top.maxTemperature, chart.MaxTemperature());
    EXPECT_GE(top.maxMoisture, boiling[0].x);
    // However wide, each family stays readable.
    std::map<HxFamily, int> counts;
    for (const HxLine& line : chart.Lines(top))
        ++counts[line.family];
    EXPECT_LE(counts[HxFamily::Isenthalp], HxChart::kMostLinesOfAFamily);
    EXPECT_LE(counts[HxFamily::SpecificVolume], HxChart::kMostLinesOfAFamily);
    EXPECT_GT(counts[HxFamily::Isenthalp], 5);

    // Nonsense is brought within the model.
    const HxRange clamped = chart.Clamped({0, kInf, kNaN});
    EXPECT_DOUBLE_EQ(clamped.minTemperature, chart.MinTemperature());
    EXPECT_DOUBLE_EQ(clamped.maxTemperature, chart.MaxTemperature());
    EXPECT_DOUBLE_EQ(clamped.maxMoisture, 0.030);
    const HxRange narrow = chart.Clamped({kC + 30, kC + 10, -1});
    EXPECT_GT(narrow.maxTemperature, narrow.minTemperature);
    EXPECT_GT(narrow.maxMoisture, 0);

    // A stored state of (nearly) all vapour lies off a chart of bounded
    // width, whose scales and lines stay a picture's worth.
    for (double x : {1e17, 1e300}) {
        HxMarks marks;
        marks.initial = HxPoint{x, 1e5};
        const HxRange range = chart.DefaultRange(marks.Points());
        EXPECT_LE(range.maxMoisture, 100);
        const HxScene scene = BuildHxScene(chart, chart.Lines(range), HxView(chart, range, 900, 700), marks);
        EXPECT_LT(scene.strokes.size() + scene.texts.size(), 1000u);
    }
}

// What a click gives the page is accepted by the model whichever humidity
// the page takes, even right at the saturation curve and at dry air.
TEST(HxChart, APickIsRoundedAndAcceptedInBothModes)
{
    const double pressure = 98700;
    const HxChart chart(pressure);
    const HxPick pick = chart.PickAt(chart.PointOf(kC + 23.4567, 47.2345));
    ASSERT_TRUE(pick.accepted);
    EXPECT_NEAR(pick.temperature, kC + 23.5, 1e-9);
    EXPECT_NEAR(pick.humidity, 47.2, 1e-9);
    EXPECT_NEAR(pick.moisture, std::round(chart.PointOf(kC + 23.4567, 47.2345).x * 1e5) / 1e5, 1e-15);

    std::vector<HxPoint> points;
    for (double t : {-19.98, -3.0, 0.04, 18.66, 31.0, 49.97})
        for (double humidity : {0.0, 0.01, 50.0, 99.96, 100.0})
            points.push_back(chart.PointOf(kC + t, humidity));
    for (const HxPoint& p : points) {
        const HxPick pick = chart.PickAt(p);
        ASSERT_TRUE(pick.accepted) << p.x << " " << p.h;
        for (int mode : {CPowietrze::kRelativeHumidityMode, CPowietrze::kMoistureContentMode}) {
            CPowietrze air = AirAt(pressure);
            air.SetRelativeHumidity(50);
            EXPECT_EQ(air.SetTemperature(pick.temperature, mode), kMsgNone);
            const int message = mode == CPowietrze::kRelativeHumidityMode ? air.SetRelativeHumidity(pick.humidity)
                                                                          : air.SetMoistureContent(pick.moisture);
            EXPECT_EQ(message, kMsgNone) << p.x << " " << p.h << " mode " << mode;
            EXPECT_NEAR(air.GetTemperature(), chart.TemperatureAt(p), 0.051);
        }
    }
}

} // namespace
