#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "Digits.h"
#include "base/NumberText.h"
#include "base/StringTable.h"
#include "media/CPara.h"
#include "SeparatorTest.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

CPara InRegime(int regime)
{
    CPara steam;
    steam.SetRegime(regime);
    return steam;
}

// ---- Saturation line ----

TEST(SteamSaturationLine, PressureFromTemperature)
{
    CPara steam;
    EXPECT_DIGITS(steam.SaturationPressure(373.15, 0), "101347.789");
    EXPECT_DIGITS(steam.SaturationPressure(647.14, 0), "22050676.30");
    // The two low ends are nearly one point of the line, and so are the
    // superheated fits' lows.
    EXPECT_DIGITS(steam.SaturationPressure(253.1499, 0), "125.64373");
    EXPECT_DIGITS(steam.SaturationPressure(323.3907, 0), "12497.57");
    // An offset is subtracted inside the range only.
    EXPECT_DOUBLE_EQ(steam.SaturationPressure(373.15, 1000), steam.SaturationPressure(373.15, 0) - 1000);
    EXPECT_EQ(steam.SaturationPressure(253.1498, 500), 0);
    EXPECT_EQ(steam.SaturationPressure(647.15, 500), 0);
}

TEST(SteamSaturationLine, OnlyZeroOffsetRecordsThePoint)
{
    CPara steam;
    steam.SaturationPressure(373.15, 0);
    steam.SaturationPressure(400, 5);
    EXPECT_EQ(steam.GetSaturationPointTemperature(), 373.15);
    EXPECT_DIGITS(steam.GetSaturationPointPressure(), "101347.789");
    // Out of range the point is still recorded, with pressure 0.
    EXPECT_EQ(steam.SaturationPressure(700, 0), 0);
    EXPECT_EQ(steam.GetSaturationPointTemperature(), 700);
    EXPECT_EQ(steam.GetSaturationPointPressure(), 0);
}

TEST(SteamSaturationLine, TemperatureFromPressure)
{
    CPara steam;
    EXPECT_DIGITS(steam.SaturationTemperature(610.89), "273.1499952");
    EXPECT_DIGITS(steam.SaturationTemperature(101325), "373.14370");
    EXPECT_DIGITS(steam.SaturationTemperature(125.6447), "253.14999");
    EXPECT_DIGITS(steam.SaturationTemperature(1e6), "453.06");
    EXPECT_EQ(steam.GetSaturationPointPressure(), 1e6);
    EXPECT_DIGITS(steam.GetSaturationPointTemperature(), "453.06");
    // Between ps(647.14 K) and the model's critical pressure the first step
    // lands above 647.14 K, where the line is flat: the result stays there.
    EXPECT_DIGITS(steam.SaturationTemperature(22064000), "647.19");
    EXPECT_GT(steam.SaturationTemperature(22051000), 647.14);
}

TEST(SteamSaturationLine, TemperatureRoundTrip)
{
    CPara steam;
    for (double t : {260.0, 280.0, 300.0, 350.0, 400.0, 500.0, 600.0, 640.0}) {
        const double p = steam.SaturationPressure(t, 0);
        EXPECT_NEAR(steam.SaturationTemperature(p), t, 2e-5) << t;
    }
}

TEST(SteamSaturationLine, OutOfRangePressureLeavesPoint)
{
    CPara steam;
    steam.SaturationTemperature(1e5);
    const double t = steam.GetSaturationPointTemperature();
    EXPECT_EQ(steam.SaturationTemperature(125.6446), 0);
    EXPECT_EQ(steam.SaturationTemperature(22064001), 0);
    EXPECT_EQ(steam.SaturationTemperature(kInf), 0);
    EXPECT_EQ(steam.SaturationTemperature(-kInf), 0);
    EXPECT_EQ(steam.GetSaturationPointTemperature(), t);
    EXPECT_EQ(steam.GetSaturationPointPressure(), 1e5);
}

TEST(SteamSaturationLine, NonFiniteArgumentsGiveZeroAndRecordNothing)
{
    CPara steam;
    steam.SaturationTemperature(101325);
    const double t = steam.GetSaturationPointTemperature();
    for (double bad : {kNaN, kInf, -kInf}) {
        EXPECT_EQ(steam.SaturationTemperature(bad), 0) << bad;
        EXPECT_EQ(steam.SaturationPressure(bad, 0), 0) << bad;
        EXPECT_EQ(steam.SaturationPressure(373.15, bad), 0) << bad;
        EXPECT_EQ(steam.GetSaturationPointTemperature(), t) << bad;
        EXPECT_EQ(steam.GetSaturationPointPressure(), 101325) << bad;
    }
    EXPECT_DIGITS(steam.SaturationTemperature(101325), "373.14370");
}

// ---- Wet and saturated regimes ----

TEST(SteamWet, PropertiesAtNormalBoilingPoint)
{
    CPara steam = InRegime(CPara::kWet);
    ASSERT_EQ(steam.SetTemperature(373.15), 0);
    EXPECT_EQ(steam.GetDryness(), 1);
    EXPECT_DIGITS(steam.GetPressure(), "101347.789");
    EXPECT_DIGITS(steam.GetEnthalpy(), "2675848.1");
    EXPECT_DIGITS(steam.GetHeatOfVaporisation(), "2257760.6");
    EXPECT_DIGITS(steam.GetSpecificVolume(), "1.672209");
    EXPECT_DIGITS(steam.GetWaterVolume(), "0.00104369");
    EXPECT_DIGITS(steam.GetDynamicViscosity(), "1.06714e-05");
    EXPECT_DOUBLE_EQ(steam.GetKinematicViscosity(), steam.GetSpecificVolume() * steam.GetDynamicViscosity());
}

TEST(SteamWet, TemperatureBelowMinimumStillComputes)
{
    CPara steam = InRegime(CPara::kWet);
    EXPECT_EQ(steam.SetTemperature(260), kMsgTemperatureBelowMinimum);
    EXPECT_EQ(steam.GetTemperature(), 260);
    EXPECT_DIGITS(steam.GetPressure(), "222.6");
    // Below 610.89 Pa and 273.15 K every fit gives 0.
    EXPECT_EQ(steam.GetEnthalpy(), 0);
    EXPECT_EQ(steam.GetSpecificVolume(), 0);
    EXPECT_EQ(steam.GetWaterVolume(), 0);
    EXPECT_EQ(steam.GetHeatOfVaporisation(), 0);
    EXPECT_EQ(steam.GetDynamicViscosity(), 0);
    EXPECT_EQ(steam.GetKinematicViscosity(), 0);
}

TEST(SteamWet, PressureOffTheLineKeepsLastPoint)
{
    CPara steam = InRegime(CPara::kWet);
    ASSERT_EQ(steam.SetTemperature(373.15), 0);
    const double enthalpy = steam.GetEnthalpy();
    EXPECT_EQ(steam.SetPressure(100), kMsgPressureBelowMinimum);
    EXPECT_EQ(steam.GetTemperature(), 0);
    EXPECT_EQ(steam.GetPressure(), 100);
    EXPECT_EQ(steam.GetSaturationPointTemperature(), 373.15);
    // The properties still come from the point of 373.15 K.
    EXPECT_EQ(steam.GetEnthalpy(), enthalpy);
}

TEST(SteamSaturated, PressureJustBelowModelsCriticalPressure)
{
    CPara steam = InRegime(CPara::kSaturated);
    EXPECT_EQ(steam.SetPressure(22060000), 0);
    EXPECT_DIGITS(steam.GetTemperature(), "647.1755");
    EXPECT_EQ(steam.GetPressure(), 22060000);
    EXPECT_EQ(steam.GetSaturationPointPressure(), 22060000);
    EXPECT_GT(steam.GetEnthalpy(), 0);
}

TEST(SteamSaturated, TakesSaturatedSteamDirectly)
{
    CPara wet = InRegime(CPara::kWet);
    CPara saturated = InRegime(CPara::kSaturated);
    ASSERT_EQ(wet.SetDryness(0.3), 0);
    ASSERT_EQ(saturated.SetDryness(0.3), 0);
    ASSERT_EQ(wet.SetPressure(5e5), 0);
    ASSERT_EQ(saturated.SetPressure(5e5), 0);
    // The saturated regime resets the dryness to 1; the wet one keeps it.
    EXPECT_EQ(saturated.GetDryness(), 1);
    EXPECT_EQ(wet.GetDryness(), 0.3);
    EXPECT_EQ(saturated.GetTemperature(), wet.GetTemperature());
    EXPECT_EQ(saturated.GetHeatOfVaporisation(), wet.GetHeatOfVaporisation());
    EXPECT_NEAR(wet.GetEnthalpy(), saturated.GetEnthalpy() - 0.7 * saturated.GetHeatOfVaporisation(), 1e-6);
    EXPECT_GT(saturated.GetSpecificVolume(), wet.GetSpecificVolume());
    EXPECT_EQ(saturated.GetDynamicViscosity(), wet.GetDynamicViscosity());
}

TEST(SteamDryness, OutOfRangeClearsAndKeepsDryness)
{
    CPara steam = InRegime(CPara::kWet);
    ASSERT_EQ(steam.SetDryness(0.4), 0);
    ASSERT_EQ(steam.SetTemperature(400), 0);
    EXPECT_EQ(steam.SetDryness(1.5), kMsgDrynessOutOfRange);
    EXPECT_EQ(LoadText(kMsgDrynessOutOfRange), "Suchość poza zakresem 0 - 1");
    EXPECT_EQ(steam.GetLimitText(), "");
    EXPECT_EQ(steam.GetDryness(), 0.4);
    EXPECT_EQ(steam.GetEnthalpy(), 0);
    EXPECT_EQ(steam.GetSpecificVolume(), 0);
    EXPECT_EQ(steam.GetWaterVolume(), 0);
    EXPECT_EQ(steam.GetHeatOfVaporisation(), 0);
    EXPECT_EQ(steam.GetDynamicViscosity(), 0);
    EXPECT_EQ(steam.GetKinematicViscosity(), 0);
    EXPECT_EQ(steam.SetDryness(-0.01), kMsgDrynessOutOfRange);
}

TEST(SteamDryness, EndsOfTheMixture)
{
    CPara steam = InRegime(CPara::kWet);
    ASSERT_EQ(steam.SetTemperature(373.15), 0);
    const double steamEnthalpy = steam.GetEnthalpy();
    const double steamVolume = steam.GetSpecificVolume();
    const double r = steam.GetHeatOfVaporisation();
    ASSERT_EQ(steam.SetDryness(0), 0);
    EXPECT_DOUBLE_EQ(steam.GetEnthalpy(), steamEnthalpy - r);
    EXPECT_EQ(steam.GetSpecificVolume(), steam.GetWaterVolume());
    ASSERT_EQ(steam.SetDryness(0.5), 0);
    EXPECT_DOUBLE_EQ(steam.GetEnthalpy(), steamEnthalpy - 0.5 * r);
    EXPECT_DOUBLE_EQ(steam.GetSpecificVolume(), (steamVolume + steam.GetWaterVolume()) / 2);
}

TEST(SteamDryness, SaturatedRegimeUsesDrynessAsGiven)
{
    CPara steam = InRegime(CPara::kSaturated);
    ASSERT_EQ(steam.SetTemperature(373.15), 0);
    const double steamEnthalpy = steam.GetEnthalpy();
    const double r = steam.GetHeatOfVaporisation();
    ASSERT_EQ(steam.SetDryness(0.25), 0);
    EXPECT_EQ(steam.GetDryness(), 0.25);
    EXPECT_DOUBLE_EQ(steam.GetEnthalpy(), steamEnthalpy + (0.25 - 1) * r);
}

// The wet-state properties after SetDryness are those of the point that the
// last temperature or pressure (or a superheated setter) left on the line.
TEST(SteamDryness, FollowsLastSaturationPoint)
{
    CPara steam = InRegime(CPara::kWet);
    CPara reference = InRegime(CPara::kWet);
    ASSERT_EQ(reference.SetDryness(0.5), 0);

    ASSERT_EQ(steam.SetPressure(2e5), 0);
    ASSERT_EQ(steam.SetDryness(0.5), 0);
    ASSERT_EQ(reference.SetPressure(2e5), 0);
    EXPECT_EQ(steam.GetEnthalpy(), reference.GetEnthalpy());

    // A superheated pressure records the point of the stored temperature ...
    steam.SetRegime(CPara::kSuperheated);
    ASSERT_EQ(steam.SetTemperature(500), 0);
    ASSERT_EQ(steam.SetPressure(3e5), 0);
    ASSERT_EQ(steam.SetDryness(0.5), 0);
    ASSERT_EQ(reference.SetTemperature(500), 0);
    EXPECT_EQ(steam.GetEnthalpy(), reference.GetEnthalpy());
    EXPECT_EQ(steam.GetSpecificVolume(), reference.GetSpecificVolume());

    // ... and a superheated temperature the saturation point of the stored pressure.
    ASSERT_EQ(steam.SetTemperature(520), 0);
    ASSERT_EQ(steam.SetDryness(0.5), 0);
    ASSERT_EQ(reference.SetPressure(3e5), 0);
    EXPECT_EQ(steam.GetEnthalpy(), reference.GetEnthalpy());
    EXPECT_EQ(steam.GetSpecificVolume(), reference.GetSpecificVolume());
}

TEST(SteamRegime, SetRegimeAloneChangesNothing)
{
    CPara steam = InRegime(CPara::kWet);
    ASSERT_EQ(steam.SetTemperature(400), 0);
    const double enthalpy = steam.GetEnthalpy();
    EXPECT_EQ(steam.SetRegime(CPara::kSuperheated), 0);
    EXPECT_EQ(steam.GetRegime(), CPara::kSuperheated);
    EXPECT_EQ(steam.GetEnthalpy(), enthalpy);
    EXPECT_EQ(steam.GetTemperature(), 400);
}

TEST(SteamRegime, ConstructionState)
{
    CPara steam;
    EXPECT_EQ(steam.GetRegime(), CPara::kWet);
    EXPECT_EQ(steam.GetTemperature(), 0);
    EXPECT_EQ(steam.GetPressure(), 0);
    EXPECT_EQ(steam.GetDryness(), 1);
    EXPECT_EQ(steam.GetMassFlow(), 1);
    EXPECT_EQ(steam.GetEnthalpy(), 0);
    EXPECT_EQ(steam.GetLimitText(), "");
    EXPECT_EQ(steam.SetMassFlow(-2.5), 0);
    EXPECT_EQ(steam.GetMassFlow(), -2.5);
}

// ---- Superheated regime ----

TEST(SteamSuperheated, PropertiesAt200CAndOneBar)
{
    CPara steam = InRegime(CPara::kSuperheated);
    steam.SetTemperature(473.15);
    ASSERT_EQ(steam.SetPressure(100000), 0);
    EXPECT_DIGITS(steam.GetEnthalpy(), "2874439.2");
    EXPECT_DIGITS(steam.GetSpecificVolume(), "2.172342");
    EXPECT_DIGITS(steam.GetDynamicViscosity(), "1.60744e-05");
    EXPECT_EQ(steam.GetWaterVolume(), 0);
    EXPECT_EQ(steam.GetHeatOfVaporisation(), 0);
    EXPECT_DOUBLE_EQ(steam.GetKinematicViscosity(), steam.GetDynamicViscosity() * steam.GetSpecificVolume());
}

TEST(SteamSuperheated, TemperatureAgainstSaturationAtOneMegapascal)
{
    CPara steam = InRegime(CPara::kSuperheated);
    steam.SetTemperature(800);
    ASSERT_EQ(steam.SetPressure(1000000), 0);
    EXPECT_EQ(steam.SetTemperature(440), kMsgTemperatureBelowSaturation);
    EXPECT_EQ(steam.GetTemperature(), 440);
    EXPECT_EQ(steam.GetEnthalpy(), 0);
    EXPECT_EQ(steam.GetSpecificVolume(), 0);
    EXPECT_EQ(steam.GetDynamicViscosity(), 0);
    EXPECT_EQ(steam.SetTemperature(800), 0);
    EXPECT_DIGITS(steam.GetEnthalpy(), "3536290.0");
    EXPECT_DIGITS(steam.GetSpecificVolume(), "0.366739");
    EXPECT_EQ(steam.SetTemperature(900), kMsgTemperatureAboveMaximum);
    EXPECT_EQ(steam.GetEnthalpy(), 0);
}

void ExpectNoProperties(const CPara& steam)
{
    EXPECT_EQ(steam.GetEnthalpy(), 0);
    EXPECT_EQ(steam.GetSpecificVolume(), 0);
    EXPECT_EQ(steam.GetWaterVolume(), 0);
    EXPECT_EQ(steam.GetHeatOfVaporisation(), 0);
    EXPECT_EQ(steam.GetDynamicViscosity(), 0);
    EXPECT_EQ(steam.GetKinematicViscosity(), 0);
}

// Next to the critical point the superheated volume fit turns negative:
// such a state is refused, not shown with a volume of 0.
TEST(SteamUnphysical, NearCriticalStateIsRefused)
{
    CPara steam = InRegime(CPara::kSuperheated);
    ASSERT_EQ(steam.SetTemperature(653.15), 0);
    EXPECT_EQ(steam.SetPressure(30e6), kMsgStateOutsideFits);
    EXPECT_EQ(LoadText(kMsgStateOutsideFits), "Stan pary poza zakresem ważności korelacji");
    EXPECT_EQ(steam.GetLimitText(), "");
    ExpectNoProperties(steam);
    // Both setters judge the state they make.
    ASSERT_EQ(steam.SetTemperature(700), 0);
    EXPECT_GT(steam.GetSpecificVolume(), 0);
    EXPECT_EQ(steam.SetTemperature(653.15), kMsgStateOutsideFits);
    ExpectNoProperties(steam);
    EXPECT_EQ(steam.GetTemperature(), 653.15);
    EXPECT_EQ(steam.GetPressure(), 30e6);
    // A lower pressure at the same temperature is steam again.
    EXPECT_EQ(steam.SetPressure(25e6), 0);
    EXPECT_GT(steam.GetSpecificVolume(), 0);
    EXPECT_GT(steam.GetKinematicViscosity(), 0);
}

// The superheated fits start at 12500 Pa: below it they give nothing.
TEST(SteamUnphysical, BelowTheSuperheatedFitsIsRefused)
{
    CPara steam = InRegime(CPara::kSuperheated);
    // A fresh model holds no pressure: the temperature alone is not judged.
    EXPECT_EQ(steam.SetTemperature(320), 0);
    EXPECT_EQ(steam.SetPressure(10000), kMsgStateOutsideFits);
    EXPECT_EQ(steam.SetTemperature(320), kMsgStateOutsideFits);
    EXPECT_EQ(steam.SetTemperature(400), kMsgStateOutsideFits);
    ExpectNoProperties(steam);
    EXPECT_EQ(steam.SetPressure(12500), 0);
    EXPECT_GT(steam.GetSpecificVolume(), 0);
}

// The line's lowest pressure has a saturation temperature a few
// microkelvin below 273.15 K; its steam still has a viscosity.
TEST(SteamUnphysical, LowestPressureOfTheLineIsSteam)
{
    for (int regime : {CPara::kWet, CPara::kSaturated}) {
        CPara steam = InRegime(regime);
        EXPECT_EQ(steam.SetPressure(610.89), 0) << regime;
        EXPECT_LT(steam.GetTemperature(), 273.15);
        EXPECT_GT(steam.GetDynamicViscosity(), 0);
        EXPECT_GT(steam.GetKinematicViscosity(), 0);
        EXPECT_EQ(steam.SetDryness(0.5), 0);
    }
}

TEST(SteamSuperheated, AboveCriticalPressure)
{
    CPara steam = InRegime(CPara::kSuperheated);
    steam.SetTemperature(700);
    ASSERT_EQ(steam.SetPressure(25e6), 0);
    EXPECT_GT(steam.GetEnthalpy(), 0);
    EXPECT_EQ(steam.SetTemperature(640), kMsgTemperatureBelowCritical);
    EXPECT_EQ(LoadText(kMsgTemperatureBelowCritical), "Temperatura niższa od temperatury krytycznej");
    EXPECT_EQ(steam.GetEnthalpy(), 0);
    EXPECT_EQ(steam.SetTemperature(647.14), 0);
}

// ---- Messages and limit texts, under both separators ----

class SteamLimitText : public UnderSeparator {};

TEST_P(SteamLimitText, WetAndSaturatedLimits)
{
    for (int regime : {CPara::kWet, CPara::kSaturated}) {
        CPara steam = InRegime(regime);
        EXPECT_EQ(steam.SetTemperature(260), kMsgTemperatureBelowMinimum);
        EXPECT_EQ(steam.GetLimitText(), WithSep("   273.15 K"));
        EXPECT_EQ(steam.SetTemperature(700), kMsgTemperatureAboveCritical);
        EXPECT_EQ(LoadText(kMsgTemperatureAboveCritical), "Temperatura wyższa od temperatury krytycznej");
        EXPECT_EQ(steam.GetLimitText(), WithSep("   647.14 K"));
        EXPECT_EQ(steam.SetPressure(600), kMsgPressureBelowMinimum);
        EXPECT_EQ(steam.GetLimitText(), WithSep("   610.89 Pa"));
        EXPECT_EQ(steam.SetPressure(23e6), kMsgPressureAboveCritical);
        EXPECT_EQ(LoadText(kMsgPressureAboveCritical), "Ciśnienie wyższe od ciśnienia krytycznego");
        EXPECT_EQ(steam.GetLimitText(), WithSep("    22.06 MPa"));
        EXPECT_EQ(steam.SetPressure(1e5), 0);
        EXPECT_EQ(steam.GetLimitText(), "");
    }
}

TEST_P(SteamLimitText, SuperheatedLimits)
{
    CPara steam = InRegime(CPara::kSuperheated);
    steam.SetTemperature(800);
    ASSERT_EQ(steam.SetPressure(1000000), 0);
    EXPECT_EQ(steam.SetTemperature(440), kMsgTemperatureBelowSaturation);
    EXPECT_EQ(LoadText(kMsgTemperatureBelowSaturation), "Temperatura niższa od temperatury nasycenia");
    EXPECT_EQ(steam.GetLimitText(), WithSep("   453.06 K"));
    EXPECT_EQ(steam.SetTemperature(900), kMsgTemperatureAboveMaximum);
    EXPECT_EQ(steam.GetLimitText(), WithSep("   873.15 K"));

    ASSERT_EQ(steam.SetTemperature(800), 0);
    EXPECT_EQ(steam.SetPressure(40000000), kMsgPressureAboveMaximum);
    EXPECT_EQ(steam.GetLimitText(), WithSep("    30.00 MPa"));
    EXPECT_EQ(steam.SetPressure(500), kMsgPressureBelowMinimum);
    EXPECT_EQ(steam.GetLimitText(), WithSep("   610.89 Pa"));

    steam.SetTemperature(473.15);
    EXPECT_EQ(steam.SetPressure(2000000), kMsgPressureAboveSaturation);
    EXPECT_EQ(LoadText(kMsgPressureAboveSaturation), "Ciśnienie wyższe od ciśnienia nasycenia");
    EXPECT_EQ(steam.GetLimitText(), WithSep("  1553.80 kPa"));
    // The bound is written before the comparison, so it stands on success too.
    EXPECT_EQ(steam.SetPressure(1000000), 0);
    EXPECT_EQ(steam.GetLimitText(), WithSep("  1553.80 kPa"));
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, SteamLimitText, ::testing::Values('.', ','));

// ---- Non-finite and huge input ----

TEST(SteamBadInput, EverySetterEndsAndModelRecovers)
{
    const double bad[] = {kNaN, kInf, -kInf, 1e308, -1e308, 0, 5e-324};
    for (int regime : {CPara::kWet, CPara::kSaturated, CPara::kSuperheated}) {
        CPara steam = InRegime(regime);
        for (double value : bad) {
            steam.SetTemperature(value);
            steam.SetPressure(value);
            steam.SetDryness(value);
            steam.SetMassFlow(value);
        }
        // Usable again: a valid state gives the same figures as a fresh object.
        CPara fresh = InRegime(regime);
        for (CPara* s : {&steam, &fresh}) {
            s->SetDryness(1);
            s->SetMassFlow(1);
            s->SetTemperature(473.15);
            s->SetPressure(regime == CPara::kSuperheated ? 100000 : 1553800);
            s->SetTemperature(473.15);
        }
        EXPECT_EQ(steam.GetPressure(), fresh.GetPressure()) << regime;
        EXPECT_EQ(steam.GetEnthalpy(), fresh.GetEnthalpy()) << regime;
        EXPECT_EQ(steam.GetSpecificVolume(), fresh.GetSpecificVolume()) << regime;
        EXPECT_EQ(steam.GetKinematicViscosity(), fresh.GetKinematicViscosity()) << regime;
        EXPECT_GT(steam.GetEnthalpy(), 0) << regime;
    }
}

// Everything a caller can read of the model but the limit text.
std::vector<double> Snapshot(const CPara& s)
{
    return {static_cast<double>(s.GetRegime()), s.GetTemperature(), s.GetPressure(), s.GetDryness(),
            s.GetMassFlow(), s.GetEnthalpy(), s.GetSpecificVolume(), s.GetWaterVolume(),
            s.GetHeatOfVaporisation(), s.GetDynamicViscosity(), s.GetKinematicViscosity(),
            s.GetSaturationPointTemperature(), s.GetSaturationPointPressure()};
}

TEST(SteamBadInput, EverySetterRefusesNonFiniteAndChangesNothing)
{
    using Setter = int (CPara::*)(double);
    for (int regime : {CPara::kWet, CPara::kSaturated, CPara::kSuperheated}) {
        for (Setter setter : {&CPara::SetTemperature, &CPara::SetPressure, &CPara::SetDryness, &CPara::SetMassFlow}) {
            for (double bad : {kNaN, kInf, -kInf}) {
                CPara steam = InRegime(regime);
                ASSERT_EQ(steam.SetMassFlow(2), 0);
                if (regime == CPara::kSuperheated) {
                    steam.SetPressure(100000); // refused at 0 K, stored all the same
                    ASSERT_EQ(steam.SetTemperature(473.15), 0);
                    ASSERT_EQ(steam.SetTemperature(300), kMsgTemperatureBelowSaturation); // leaves a limit text
                } else {
                    ASSERT_EQ(steam.SetTemperature(400), 0);
                    if (regime == CPara::kWet) {
                        ASSERT_EQ(steam.SetDryness(0.4), 0);
                    }
                    ASSERT_EQ(steam.SetPressure(1e8), kMsgPressureAboveCritical);    // leaves a limit text
                }
                ASSERT_FALSE(steam.GetLimitText().empty());
                const std::vector<double> before = Snapshot(steam);
                EXPECT_EQ((steam.*setter)(bad), kMsgValueNotFinite) << regime << ' ' << bad;
                EXPECT_EQ(Snapshot(steam), before) << regime << ' ' << bad;
                EXPECT_EQ(steam.GetLimitText(), "") << regime << ' ' << bad;
            }
        }
    }
}

}  // namespace
