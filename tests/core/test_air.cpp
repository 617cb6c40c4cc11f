#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "Digits.h"
#include "base/NumberText.h"
#include "base/StringTable.h"
#include "media/CPara.h"
#include "media/CPowietrze.h"
#include "SeparatorTest.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr int kRh = CPowietrze::kRelativeHumidityMode;
constexpr int kX = CPowietrze::kMoistureContentMode;

// The page's order: temperature, humidity, mass flow.
void SetState(CPowietrze& air, double temperature, double humidity)
{
    air.SetTemperature(temperature, kRh);
    air.SetRelativeHumidity(humidity);
    air.SetMassFlow(1);
}

void ExpectAllPropertiesZero(const CPowietrze& air)
{
    EXPECT_EQ(air.GetEnthalpy(), 0);
    EXPECT_EQ(air.GetSpecificVolume(), 0);
    EXPECT_EQ(air.GetVapourPressure(), 0);
    EXPECT_EQ(air.GetDewPoint(), 0);
    EXPECT_EQ(air.GetWetBulbTemperature(), 0);
    EXPECT_EQ(air.GetDynamicViscosity(), 0);
    EXPECT_EQ(air.GetKinematicViscosity(), 0);
}

// Temperature at which saturated air has the enthalpy h, by plain bisection
// below the given bound: what the wet-bulb search looks for. Below 253.15 K
// the saturation line gives no pressure and saturated air is dry air.
double SaturatedAirRoot(const CPowietrze& air, double h, double below)
{
    CPara line;
    const double p = air.GetBarometricPressure();
    auto saturatedEnthalpy = [&](double s) {
        const double ps = line.SaturationPressure(s, 0);
        const double x = 0.622 * ps / (p - ps);
        return (x * (1.86 * (s - 273.15) + 2500) + 1.006 * (s - 273.15)) * 1000;
    };
    double lo = 0, hi = below;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (saturatedEnthalpy(mid) < h ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

// ---- Figures of known states ----

TEST(AirStates, TwentyDegreesFiftyPercent)
{
    CPowietrze air;
    ASSERT_EQ(air.SetBarometricPressure(100000, kRh), 0);
    SetState(air, 293.15, 50);
    EXPECT_DIGITS(air.GetMoistureContent(), "0.00735879");
    EXPECT_DIGITS(air.GetEnthalpy(), "38790.72");
    EXPECT_DIGITS(air.GetSpecificVolume(), "0.846147");
    EXPECT_DIGITS(air.GetVapourPressure(), "1169.252");
    EXPECT_DIGITS(air.GetDewPoint(), "282.4257");
    EXPECT_DIGITS(air.GetWetBulbTemperature(), "286.8472");
    EXPECT_DIGITS(air.GetDynamicViscosity(), "1.815942e-05");
    EXPECT_NEAR(air.GetKinematicViscosity(), 1.536554e-05, 1e-11);
}

TEST(AirStates, PageStartState)
{
    CPowietrze air;
    SetState(air, 293.15, 60);
    EXPECT_EQ(air.GetBarometricPressure(), 100000);
    EXPECT_DIGITS(air.GetMoistureContent(), "0.00885149");
    EXPECT_DIGITS(air.GetEnthalpy(), "42578.01");
    EXPECT_DIGITS(air.GetSpecificVolume(), "0.846899");
    EXPECT_DIGITS(air.GetVapourPressure(), "1403.102");
    EXPECT_DIGITS(air.GetDewPoint(), "285.1599");
    EXPECT_DIGITS(air.GetWetBulbTemperature(), "288.2255");
    EXPECT_DIGITS(air.GetKinematicViscosity(), "1.53792e-05");
}

TEST(AirStates, ThirtyDegreesFiftyPercent)
{
    CPowietrze air;
    SetState(air, 303.15, 50);
    EXPECT_DIGITS(air.GetMoistureContent(), "0.0134916");
    EXPECT_DIGITS(air.GetEnthalpy(), "64661.7");
    EXPECT_DIGITS(air.GetSpecificVolume(), "0.878191");
    EXPECT_DIGITS(air.GetVapourPressure(), "2123.01");
    EXPECT_DIGITS(air.GetDewPoint(), "291.599");
    EXPECT_DIGITS(air.GetWetBulbTemperature(), "295.042");
}

TEST(AirStates, VeryDryColdAirHasNoDewPoint)
{
    CPowietrze air;
    SetState(air, 263.15, 20);
    EXPECT_DIGITS(air.GetVapourPressure(), "57.28");
    EXPECT_EQ(air.GetDewPoint(), 0);
    EXPECT_DIGITS(air.GetWetBulbTemperature(), "260.478");
}

TEST(AirStates, SaturatedAirWetBulbIsDewPoint)
{
    CPowietrze air;
    SetState(air, 300, 100);
    EXPECT_DIGITS(air.GetDewPoint(), "300.0");
    EXPECT_EQ(air.GetWetBulbTemperature(), air.GetDewPoint());
}

TEST(AirStates, MinimumTemperatureBelowTheLine)
{
    CPowietrze air;
    SetState(air, 253.149, 50);
    EXPECT_EQ(air.GetMoistureContent(), 0);
    EXPECT_EQ(air.GetVapourPressure(), 0);
    EXPECT_EQ(air.GetDewPoint(), 0);
    EXPECT_DOUBLE_EQ(air.GetWetBulbTemperature(), 253.149);
    // Dry air there, given by its moisture content: 0 %, not 0 / 0.
    EXPECT_EQ(air.SetMoistureContent(1e-07), 0);
    EXPECT_EQ(air.GetMoistureContent(), 0);
    EXPECT_EQ(air.GetRelativeHumidity(), 0);
}

TEST(AirStates, HotAirBeforeAnyPressureIsAccepted)
{
    CPowietrze air;
    EXPECT_EQ(air.SetTemperature(400, kRh), 0);
    EXPECT_EQ(air.SetRelativeHumidity(60), 0);
    // The saturation pressure exceeds p, so the vapour is capped at p.
    EXPECT_DIGITS(air.GetMoistureContent(), "0.933");
}

// The dry-air viscosity fit turns over near 663 °C; a fresh model accepts
// up to 1073.15 K, where it then gives no viscosity rather than a negative one.
TEST(AirStates, HotAirHasNoNegativeViscosity)
{
    for (double temperature = 900; temperature <= 1073.15; temperature += 0.5) {
        CPowietrze air;
        ASSERT_EQ(air.SetTemperature(temperature, kRh), 0);
        EXPECT_GE(air.GetDynamicViscosity(), 0) << temperature;
        EXPECT_GE(air.GetKinematicViscosity(), 0) << temperature;
        EXPECT_GE(air.DynamicViscosity(temperature, 0), 0) << temperature;
        EXPECT_GE(air.KinematicViscosity(temperature, 0), 0) << temperature;
        EXPECT_GT(air.GetSpecificVolume(), 0) << temperature;
    }
    CPowietrze air;
    ASSERT_EQ(air.SetTemperature(900, kRh), 0);
    EXPECT_GT(air.GetDynamicViscosity(), 0);
}

TEST(AirStates, SaturatedAboveBoilingGivesLargestMoisture)
{
    CPowietrze air;
    SetState(air, 380, 100);
    EXPECT_EQ(air.GetMoistureContent(), std::numeric_limits<double>::max());
    EXPECT_EQ(air.MoistureContent(380, 100), std::numeric_limits<double>::max());
    // All vapour: the dew point and the wet-bulb temperature are the boiling
    // temperature (not 0 / 0 nor an overflow off the line), the volume is
    // the vapour's.
    EXPECT_DIGITS(air.GetWetBulbTemperature(), "372.775");
    EXPECT_EQ(air.GetDewPoint(), air.GetWetBulbTemperature());
    EXPECT_NEAR(air.GetSpecificVolume(), 462 * 380 / 1e5, 1e-12);
    EXPECT_NEAR(air.GetKinematicViscosity(), air.GetDynamicViscosity() * 462 * 380 / 1e5, 1e-16);
    // Its enthalpy per kg of dry air is written like its moisture content:
    // the largest double, not inf, whichever setter made the state.
    EXPECT_EQ(air.GetEnthalpy(), std::numeric_limits<double>::max());
    EXPECT_EQ(air.Enthalpy(380, 100), std::numeric_limits<double>::max());
    CPowietrze typed;
    ASSERT_EQ(typed.SetTemperature(664.4, kRh), 0);
    ASSERT_EQ(typed.SetMoistureContent(3.7e198), 0);
    EXPECT_TRUE(std::isfinite(typed.GetEnthalpy()));
    EXPECT_GT(typed.GetEnthalpy(), 1e200);
}

// A hair short of saturation above the boiling temperature: an enormous but
// finite content whose dew point is the boiling temperature, the pole on
// which the wet-bulb search would then start.
TEST(AirStates, JustShortOfSaturationAboveBoiling)
{
    for (double temperature : {373.0, 380.0, 844.8}) {
        CPowietrze air;
        SetState(air, temperature, std::nextafter(100.0, 0.0));
        EXPECT_GT(air.GetMoistureContent(), 1e15) << temperature;
        EXPECT_DIGITS(air.GetWetBulbTemperature(), "372.775");
        EXPECT_NEAR(air.GetWetBulbTemperature(), air.GetDewPoint(), 1e-9) << temperature;
    }
}

// ---- Moisture-content mode ----

TEST(AirMoisture, StoredLessTenToMinusSeven)
{
    CPowietrze air;
    SetState(air, 293.15, 50);
    EXPECT_EQ(air.SetMoistureContent(0.01), 0);
    EXPECT_DOUBLE_EQ(air.GetMoistureContent(), 0.0099999);
    EXPECT_DIGITS(air.GetRelativeHumidity(), "67.6613");
    EXPECT_EQ(air.SetTemperature(293.15, kX), 0);
    EXPECT_DOUBLE_EQ(air.GetMoistureContent(), 0.0099999);
    EXPECT_DIGITS(air.GetRelativeHumidity(), "67.6607");
}

TEST(AirMoisture, RelativeHumidityChecksMoistureRange)
{
    CPowietrze air;
    SetState(air, 293.15, 50);
    // Above the saturation content at 293.15 K, the current maximum.
    EXPECT_EQ(air.RelativeHumidity(293.15, 0.02), 0);
    EXPECT_EQ(air.RelativeHumidity(293.15, -0.001), 0);
    EXPECT_DIGITS(air.RelativeHumidity(293.15, 0.0099999), "67.6613");
    EXPECT_EQ(air.RelativeHumidity(1100, 0.01), 0);
}

TEST(AirMoisture, AboveSaturationLimitedTo100)
{
    CPowietrze air;
    ASSERT_EQ(air.SetTemperature(293.15, kRh), 0);
    ASSERT_EQ(air.SetRelativeHumidity(50), 0);
    ASSERT_EQ(air.SetBarometricPressure(100000, kRh), 0);
    // The pressure resets the maximum to ~6219 kg/kg: far above saturation.
    EXPECT_GT(air.GetMaxMoistureContent(), 6000);
    EXPECT_EQ(air.SetMoistureContent(0.05), 0);
    EXPECT_EQ(air.GetRelativeHumidity(), 100);
    EXPECT_DOUBLE_EQ(air.GetMoistureContent(), 0.05 - 1e-07);
    // The properties are those of saturated air.
    EXPECT_DOUBLE_EQ(air.GetEnthalpy(), air.Enthalpy(293.15, 100));
}

TEST(AirMoisture, OutOfRangeZeroesHumidityAndProperties)
{
    CPowietrze air;
    SetState(air, 293.15, 50);
    EXPECT_EQ(air.SetMoistureContent(0.02), kMsgMoistureAboveMaximum);
    EXPECT_DOUBLE_EQ(air.GetMoistureContent(), 0.02 - 1e-07);
    EXPECT_EQ(air.GetRelativeHumidity(), 0);
    ExpectAllPropertiesZero(air);
    EXPECT_EQ(air.SetMoistureContent(0), kMsgMoistureBelowZero);
    EXPECT_EQ(air.GetLimitText(), "");
    ExpectAllPropertiesZero(air);
}

// A content set where the maximum is the largest double (saturated air at or
// above the boiling temperature) is still in force at a colder temperature:
// more than air holds there, so 100 % and the properties of saturated air,
// though p X and (X + 0.622) ps both overflow.
TEST(AirMoisture, ContentOfAllVapourCarriedToColderAir)
{
    const std::function<void(CPowietrze&)> contents[] = {
        [](CPowietrze& a) { EXPECT_EQ(a.SetMoistureContent(1e308), 0); },
        [](CPowietrze& a) { EXPECT_EQ(a.SetRelativeHumidity(100), 0); },
    };
    for (const auto& setContent : contents) {
        for (double temperature : {300.0, 350.0, 372.77}) {
            CPowietrze air;
            ASSERT_EQ(air.SetTemperature(400, kX), 0);
            setContent(air);
            ASSERT_GT(air.GetMoistureContent(), 1e307);
            EXPECT_EQ(air.SetTemperature(temperature, kX), 0);
            EXPECT_EQ(air.GetRelativeHumidity(), 100) << temperature;
            EXPECT_GT(air.GetMoistureContent(), 1e307);
            CPowietrze saturated;
            SetState(saturated, temperature, 100);
            EXPECT_EQ(air.GetEnthalpy(), saturated.GetEnthalpy()) << temperature;
            EXPECT_EQ(air.GetSpecificVolume(), saturated.GetSpecificVolume());
            EXPECT_EQ(air.GetDewPoint(), saturated.GetDewPoint());
            EXPECT_EQ(air.GetWetBulbTemperature(), saturated.GetWetBulbTemperature());
        }
    }
}

// ---- Limits carried between setters ----

TEST(AirCarryOver, MaximumTemperature)
{
    CPowietrze air;
    EXPECT_EQ(air.GetMaxTemperature(), 1073.15);
    EXPECT_EQ(air.SetTemperature(1073.15, kRh), 0);
    EXPECT_EQ(air.SetTemperature(1073.16, kRh), kMsgTemperatureAboveMaximum);
    EXPECT_EQ(air.SetTemperature(372, kRh), 0);
    EXPECT_EQ(air.SetRelativeHumidity(50), 0);
    const double enthalpy = air.GetEnthalpy();

    EXPECT_EQ(air.SetBarometricPressure(96000, kRh), kMsgTemperatureAboveMaximum);
    EXPECT_DIGITS(air.GetMaxTemperature(), "371.638");
    ExpectAllPropertiesZero(air);
    EXPECT_EQ(air.GetMoistureContent(), 0);
    // Back to 1000 hPa: the same state is computed again.
    EXPECT_EQ(air.SetBarometricPressure(100000, kRh), 0);
    EXPECT_DIGITS(air.GetMaxTemperature(), "372.775");
    EXPECT_EQ(air.GetEnthalpy(), enthalpy);
    EXPECT_EQ(air.SetTemperature(373, kRh), kMsgTemperatureAboveMaximum);
    ExpectAllPropertiesZero(air);
}

TEST(AirCarryOver, MaximumMoistureContent)
{
    CPowietrze air;
    EXPECT_EQ(air.GetMaxMoistureContent(), 100);
    ASSERT_EQ(air.SetBarometricPressure(100000, kRh), 0);
    EXPECT_DIGITS(air.GetMaxMoistureContent(), "6219");
    ASSERT_EQ(air.SetTemperature(293.15, kRh), 0);
    EXPECT_DIGITS(air.GetMaxMoistureContent(), "0.0148938");
    // A rejected temperature leaves the maximum alone ...
    EXPECT_EQ(air.SetTemperature(200, kRh), kMsgTemperatureBelowMinimum);
    EXPECT_DIGITS(air.GetMaxMoistureContent(), "0.0148938");
    EXPECT_EQ(air.GetMoistureContent(), 0);
    // ... an accepted one sets it to the saturation content there.
    ASSERT_EQ(air.SetTemperature(303.15, kRh), 0);
    EXPECT_DOUBLE_EQ(air.GetMaxMoistureContent(), air.MoistureContent(303.15, 100));
    EXPECT_EQ(air.SetMoistureContent(0.02), 0);
}

TEST(AirCarryOver, RejectedTemperatureInEachMode)
{
    CPowietrze air;
    SetState(air, 293.15, 50);
    ASSERT_EQ(air.SetMoistureContent(0.005), 0);
    EXPECT_EQ(air.SetTemperature(250, kX), kMsgTemperatureBelowDewPoint);
    EXPECT_EQ(LoadText(kMsgTemperatureBelowDewPoint), "Temperatura niższa od punktu rosy");
    EXPECT_EQ(air.GetRelativeHumidity(), 0);
    EXPECT_DOUBLE_EQ(air.GetMoistureContent(), 0.005 - 1e-07);
    ExpectAllPropertiesZero(air);
    // Any other mode value: no message number, but nothing computed either.
    EXPECT_EQ(air.SetTemperature(250, 7), 0);
    ExpectAllPropertiesZero(air);
}

TEST(AirCarryOver, PressureInMoistureMode)
{
    CPowietrze air;
    SetState(air, 293.15, 50);
    ASSERT_EQ(air.SetMoistureContent(0.008), 0);
    const double humidity = air.GetRelativeHumidity();
    // A lower pressure holds the same content at a lower relative humidity.
    ASSERT_EQ(air.SetBarometricPressure(96000, kX), 0);
    EXPECT_DOUBLE_EQ(air.GetMoistureContent(), 0.008 - 1e-07);
    EXPECT_LT(air.GetRelativeHumidity(), humidity);
    EXPECT_GT(air.GetEnthalpy(), 0);
}

TEST(AirHumidity, OutOfRange)
{
    CPowietrze air;
    SetState(air, 293.15, 50);
    EXPECT_EQ(air.SetRelativeHumidity(120), kMsgHumidityAbove100);
    EXPECT_EQ(air.GetRelativeHumidity(), 120);
    EXPECT_EQ(air.GetMoistureContent(), 0);
    ExpectAllPropertiesZero(air);
    EXPECT_EQ(air.GetLimitText(), "");
    EXPECT_EQ(air.SetRelativeHumidity(-1), kMsgHumidityBelowZero);
    EXPECT_EQ(LoadText(kMsgHumidityBelowZero), "Wilgotność względna niższa od 0 %");
    EXPECT_EQ(air.SetRelativeHumidity(100), 0);
    EXPECT_EQ(air.SetRelativeHumidity(0), 0);
    EXPECT_EQ(air.GetMoistureContent(), 0);
    EXPECT_GT(air.GetEnthalpy(), 0);
}

// ---- Wet-bulb temperature ----

// Before the first pressure the model accepts air above the boiling
// temperature; its wet-bulb temperature still lies between the dew point and
// the boiling temperature, where saturated air has the air's enthalpy.
TEST(AirWetBulb, AboveBoilingStaysBelowThePole)
{
    for (double temperature : {373.0, 400.0, 647.2, 800.0, 1073.15}) {
        for (double humidity : {0.0, 5.0, 50.0, 99.0}) {
            CPowietrze air;
            SetState(air, temperature, humidity);
            const double tw = air.GetWetBulbTemperature();
            EXPECT_LT(tw, 372.7753) << temperature << " K, " << humidity << " %";
            EXPECT_GE(tw, air.GetDewPoint()) << temperature << " K, " << humidity << " %";
            EXPECT_NEAR(tw, SaturatedAirRoot(air, air.GetEnthalpy(), 372.775), 0.02)
                << temperature << " K, " << humidity << " %";
        }
    }
}

// Hot, nearly dry air just below the boiling temperature: the 0.01 K stop
// rule alone stalls there (down to about 0 K next to the pole); the search then
// finishes within 2 K of the root.
TEST(AirWetBulb, NextToBoilingTemperature)
{
    CPowietrze air;
    ASSERT_EQ(air.SetBarometricPressure(100000, kRh), 0);
    const double boiling = air.GetMaxTemperature();
    for (double below : {1.0, 0.3, 0.03, 0.001, 0.0}) {
        for (double humidity : {0.0, 0.12, 1.0, 20.0}) {
            SetState(air, boiling - below, humidity);
            const double root = SaturatedAirRoot(air, air.GetEnthalpy(), boiling - below);
            EXPECT_NEAR(air.GetWetBulbTemperature(), root, 2.0) << below << " K below, " << humidity << " %";
        }
    }
}

TEST(AirWetBulb, WithinBoundsAcrossThePagesRange)
{
    CPowietrze air;
    for (double pressure : {96000.0, 104000.0}) {
        ASSERT_EQ(air.SetBarometricPressure(pressure, kRh), 0);
        for (double temperature = 255; temperature < air.GetMaxTemperature(); temperature += 7.3) {
            for (double humidity : {0.0, 3.0, 30.0, 70.0, 100.0}) {
                SetState(air, temperature, humidity);
                const double tw = air.GetWetBulbTemperature();
                EXPECT_LE(tw, temperature + 1e-9);
                EXPECT_GE(tw, air.GetDewPoint());
                EXPECT_NEAR(tw, SaturatedAirRoot(air, air.GetEnthalpy(), temperature), 2.0)
                    << temperature << " K, " << humidity << " %";
            }
        }
    }
}

// ---- Messages and limit texts under both separators ----

class AirLimitText : public UnderSeparator {};

TEST_P(AirLimitText, Temperature)
{
    CPowietrze air;
    EXPECT_EQ(air.SetTemperature(250, kRh), kMsgTemperatureBelowMinimum);
    EXPECT_EQ(air.GetLimitText(), WithSep("   253.15 K"));
    EXPECT_EQ(air.SetTemperature(250, kX), kMsgTemperatureBelowDewPoint);
    EXPECT_EQ(air.GetLimitText(), WithSep("   253.15 K"));
    EXPECT_EQ(air.SetTemperature(293.15, kRh), 0);
    EXPECT_EQ(air.GetLimitText(), "");
    ASSERT_EQ(air.SetBarometricPressure(100000, kRh), 0);
    EXPECT_EQ(air.SetTemperature(380, kRh), kMsgTemperatureAboveMaximum);
    EXPECT_EQ(air.GetLimitText(), WithSep("   372.78 K"));
}

TEST_P(AirLimitText, Pressure)
{
    CPowietrze air;
    SetState(air, 293.15, 50);
    EXPECT_EQ(air.SetBarometricPressure(95000, kRh), kMsgPressureBelowMinimum);
    EXPECT_EQ(air.GetLimitText(), "      960 hPa");
    ExpectAllPropertiesZero(air);
    EXPECT_EQ(air.SetBarometricPressure(105000, kRh), kMsgPressureAboveMaximum);
    EXPECT_EQ(air.GetLimitText(), "     1040 hPa");
    EXPECT_EQ(air.GetBarometricPressure(), 105000);
    EXPECT_EQ(air.SetBarometricPressure(96000, kRh), 0);
    EXPECT_EQ(air.GetLimitText(), "");
    EXPECT_EQ(air.SetTemperature(372, kRh), kMsgTemperatureAboveMaximum);
    EXPECT_EQ(air.GetLimitText(), WithSep("   371.64 K"));
}

TEST_P(AirLimitText, MoistureContent)
{
    CPowietrze air;
    SetState(air, 293.15, 50);
    EXPECT_EQ(air.SetMoistureContent(0.03), kMsgMoistureAboveMaximum);
    EXPECT_EQ(LoadText(kMsgMoistureAboveMaximum), "Zawartość wilgoci większa od maksymalnej");
    EXPECT_EQ(air.GetLimitText(), WithSep("  0.01489 kg/kg"));
    EXPECT_EQ(air.SetMoistureContent(-0.1), kMsgMoistureBelowZero);
    EXPECT_EQ(LoadText(kMsgMoistureBelowZero), "Zawartość wilgoci mniejsza od 0 kg/kg");
    EXPECT_EQ(air.GetLimitText(), "");
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, AirLimitText, ::testing::Values('.', ','));

// ---- Non-finite and huge input ----

TEST(AirBadInput, EverySetterEndsAndModelRecovers)
{
    const double bad[] = {kNaN, kInf, -kInf, 1e308, -1e308, 0};
    for (int mode : {kRh, kX}) {
        CPowietrze air;
        for (double value : bad) {
            air.SetBarometricPressure(value, mode);
            air.SetTemperature(value, mode);
            air.SetRelativeHumidity(value);
            air.SetMoistureContent(value);
            air.SetMassFlow(value);
            // Each after a valid state too, so that every property function sees it.
            air.SetBarometricPressure(100000, mode);
            SetState(air, 300, 40);
            air.SetTemperature(value, mode);
            SetState(air, 300, 40);
            air.SetRelativeHumidity(value);
            SetState(air, 300, 40);
            air.SetMoistureContent(value);
        }
        CPowietrze fresh;
        for (CPowietrze* a : {&air, &fresh}) {
            a->SetBarometricPressure(100000, kRh);
            SetState(*a, 300, 40);
            a->SetMoistureContent(0.01);
            a->SetTemperature(305, mode);
        }
        EXPECT_EQ(air.GetMaxTemperature(), fresh.GetMaxTemperature());
        EXPECT_EQ(air.GetMaxMoistureContent(), fresh.GetMaxMoistureContent());
        EXPECT_EQ(air.GetRelativeHumidity(), fresh.GetRelativeHumidity());
        EXPECT_EQ(air.GetEnthalpy(), fresh.GetEnthalpy());
        EXPECT_EQ(air.GetWetBulbTemperature(), fresh.GetWetBulbTemperature());
        EXPECT_EQ(air.GetMassFlow(), 1);
        EXPECT_GT(air.GetWetBulbTemperature(), 280);
    }
}

// Everything a caller can read of the model but the limit text.
std::vector<double> Snapshot(const CPowietrze& a)
{
    return {a.GetBarometricPressure(), a.GetTemperature(),   a.GetRelativeHumidity(),   a.GetMoistureContent(),
            a.GetMassFlow(),           a.GetEnthalpy(),      a.GetSpecificVolume(),     a.GetVapourPressure(),
            a.GetDewPoint(),           a.GetWetBulbTemperature(), a.GetDynamicViscosity(), a.GetKinematicViscosity(),
            a.GetMaxTemperature(),     a.GetMaxMoistureContent()};
}

TEST(AirBadInput, EverySetterRefusesNonFiniteAndChangesNothing)
{
    const std::function<int(CPowietrze&, double, int)> setters[] = {
        [](CPowietrze& a, double v, int mode) { return a.SetBarometricPressure(v, mode); },
        [](CPowietrze& a, double v, int mode) { return a.SetTemperature(v, mode); },
        [](CPowietrze& a, double v, int) { return a.SetRelativeHumidity(v); },
        [](CPowietrze& a, double v, int) { return a.SetMoistureContent(v); },
        [](CPowietrze& a, double v, int) { return a.SetMassFlow(v); },
    };
    for (int mode : {kRh, kX}) {
        for (std::size_t i = 0; i < std::size(setters); ++i) {
            for (double bad : {kNaN, kInf, -kInf}) {
                CPowietrze air;
                ASSERT_EQ(air.SetBarometricPressure(101325, kRh), 0);
                SetState(air, 300, 40);
                ASSERT_EQ(air.SetMassFlow(2), 0);
                ASSERT_EQ(air.SetTemperature(400, mode), kMsgTemperatureAboveMaximum); // leaves a limit text
                ASSERT_FALSE(air.GetLimitText().empty());
                const std::vector<double> before = Snapshot(air);
                EXPECT_EQ(setters[i](air, bad, mode), kMsgValueNotFinite) << mode << ' ' << i << ' ' << bad;
                EXPECT_EQ(Snapshot(air), before) << mode << ' ' << i << ' ' << bad;
                EXPECT_EQ(air.GetLimitText(), "") << mode << ' ' << i << ' ' << bad;
            }
        }
    }
}

// Setters in any order with any finite value: no getter is ever NaN, and the
// only infinity is the enthalpy (per kg of dry air) of air without dry air.
TEST(AirBadInput, AnySetterSequenceLeavesNoNaN)
{
    std::mt19937_64 rng(20240611);
    const double specials[] = {0,       1e-7,   99.99, 100,     std::nextafter(100.0, 0.0), 253.149, 372.775,
                               373,     400,    647.14, 844.8,  1073.15, 96000, 100000, 104000, 6219, 1e300,
                               1e308,   kMax,   -1e308, 4.9e-324};
    auto value = [&]() {
        const std::uint64_t bits = rng();
        switch (bits % 4) {
        case 0: return specials[(bits >> 8) % std::size(specials)];
        case 1: return 250 + static_cast<double>(bits >> 11) * 0x1p-53 * 830;
        case 2: return -5 + static_cast<double>(bits >> 11) * 0x1p-53 * 110;
        default: {
            double v;
            const std::uint64_t raw = rng();
            std::memcpy(&v, &raw, sizeof v);
            return std::isfinite(v) ? v : 0.0;
        }
        }
    };
    for (int sequence = 0; sequence < 4000; ++sequence) {
        CPowietrze air;
        std::string steps;
        for (int i = 0; i < 12; ++i) {
            const int mode = static_cast<int>(rng() % 2);
            const double v = value();
            switch (rng() % 4) {
            case 0: air.SetBarometricPressure(v, mode); steps += " p"; break;
            case 1: air.SetTemperature(v, mode); steps += mode == kX ? " T(x)" : " T(rh)"; break;
            case 2: air.SetRelativeHumidity(v); steps += " phi"; break;
            default: air.SetMoistureContent(v); steps += " x"; break;
            }
            steps += '=' + FormatG(v, 17);
            const std::vector<double> all = Snapshot(air);
            for (std::size_t k = 0; k < all.size(); ++k)
                ASSERT_FALSE(std::isnan(all[k])) << "getter " << k << " after" << steps;
            for (double property : {air.GetSpecificVolume(), air.GetVapourPressure(), air.GetDewPoint(),
                                    air.GetWetBulbTemperature(), air.GetKinematicViscosity()})
                ASSERT_TRUE(std::isfinite(property)) << "after" << steps;
            if (std::isinf(air.GetEnthalpy())) {
                ASSERT_EQ(air.MoistureContent(air.GetTemperature(), air.GetRelativeHumidity()), kMax) << steps;
            }
        }
    }
}

TEST(AirBadInput, PropertyFunctionsOfNonFiniteStates)
{
    CPowietrze air;
    for (double value : {kNaN, kInf, -kInf}) {
        EXPECT_EQ(air.MoistureContent(value, 50), 0);
        EXPECT_EQ(air.MoistureContent(300, value), 0);
        EXPECT_EQ(air.RelativeHumidity(300, value), 0);
        EXPECT_EQ(air.WetBulbTemperature(value, 50), 0);
        EXPECT_EQ(air.WetBulbTemperature(300, value), 0);
        EXPECT_EQ(air.DewPoint(300, value), 0);
    }
}

}  // namespace
