#include <gtest/gtest.h>

#include <vector>

#include "base/StringTable.h"
#include "media/AccuracyNotes.h"
#include "media/CPara.h"
#include "media/CPowietrze.h"
#include "media/CWoda.h"

namespace {

using Notes = std::vector<int>;

constexpr double kZeroCelsius = 273.15;

Notes WaterNotes(double celsius)
{
    CWoda water;
    water.SetTemperature(kZeroCelsius + celsius);
    return AccuracyNotes(water);
}

Notes SaturatedNotes(double pressure, int regime = CPara::kSaturated, double dryness = 1)
{
    CPara steam;
    steam.SetRegime(regime);
    EXPECT_EQ(steam.SetPressure(pressure), 0) << pressure;
    EXPECT_EQ(steam.SetDryness(dryness), 0);
    return AccuracyNotes(steam);
}

Notes SuperheatedNotes(double pressure, double celsius)
{
    CPara steam;
    steam.SetRegime(CPara::kSuperheated);
    steam.SetTemperature(kZeroCelsius + celsius);
    EXPECT_EQ(steam.SetPressure(pressure), 0) << pressure << " Pa, " << celsius << " °C";
    return AccuracyNotes(steam);
}

Notes AirNotes(double celsius, double humidity)
{
    CPowietrze air;
    EXPECT_EQ(air.SetBarometricPressure(101325, CPowietrze::kRelativeHumidityMode), 0);
    EXPECT_EQ(air.SetTemperature(kZeroCelsius + celsius, CPowietrze::kRelativeHumidityMode), 0);
    EXPECT_EQ(air.SetRelativeHumidity(humidity), 0);
    return AccuracyNotes(air);
}

}  // namespace

TEST(AccuracyNotes, EveryNoteHasItsText)
{
    for (int id : {kNoteWaterExpansion, kNoteSaturatedViscosity, kNoteWetLowPressure, kNoteSaturatedVolume,
                   kNoteSaturatedHighPressure, kNoteSuperheatedNearCritical, kNoteAirBelowFreezing,
                   kNoteAirHotDryWetBulb, kNoteAirViscosity})
        EXPECT_FALSE(LoadText(id).empty()) << id;
}

TEST(AccuracyNotes, WaterExpansionBelowSixteenDegrees)
{
    EXPECT_EQ(WaterNotes(4), Notes{kNoteWaterExpansion});
    EXPECT_EQ(WaterNotes(15.9), Notes{kNoteWaterExpansion});
    EXPECT_EQ(WaterNotes(16), Notes{});
    EXPECT_EQ(WaterNotes(90), Notes{});
    // A rejected temperature shows no properties to qualify.
    CWoda water;
    ASSERT_EQ(water.SetTemperature(kZeroCelsius + 5), 0);
    ASSERT_NE(water.SetTemperature(500), 0);
    EXPECT_EQ(AccuracyNotes(water), Notes{});
}

TEST(AccuracyNotes, SaturatedSteamByPressure)
{
    // The viscosity fit is low along the whole line.
    EXPECT_EQ(SaturatedNotes(20e5), Notes{kNoteSaturatedViscosity});
    EXPECT_EQ(SaturatedNotes(25e5), Notes{kNoteSaturatedViscosity});
    EXPECT_EQ(SaturatedNotes(26e5), (Notes{kNoteSaturatedViscosity, kNoteSaturatedVolume}));
    EXPECT_EQ(SaturatedNotes(75e5), (Notes{kNoteSaturatedViscosity, kNoteSaturatedVolume}));
    EXPECT_EQ(SaturatedNotes(76e5),
              (Notes{kNoteSaturatedViscosity, kNoteSaturatedVolume, kNoteSaturatedHighPressure}));
    // Boiling water's enthalpy at low pressure matters only to wet steam.
    EXPECT_EQ(SaturatedNotes(1000, CPara::kWet, 0.5), (Notes{kNoteSaturatedViscosity, kNoteWetLowPressure}));
    EXPECT_EQ(SaturatedNotes(1000, CPara::kWet, 1), Notes{kNoteSaturatedViscosity});
    EXPECT_EQ(SaturatedNotes(2000, CPara::kWet, 0.5), Notes{kNoteSaturatedViscosity});
}

TEST(AccuracyNotes, SuperheatedSteamNearTheCriticalPoint)
{
    EXPECT_EQ(SuperheatedNotes(180e5, 400), Notes{kNoteSuperheatedNearCritical});
    EXPECT_EQ(SuperheatedNotes(160e5, 400), Notes{});
    EXPECT_EQ(SuperheatedNotes(180e5, 445), Notes{});
    EXPECT_EQ(SuperheatedNotes(1e5, 200), Notes{});
    // A refused state has nothing to qualify.
    CPara steam;
    steam.SetRegime(CPara::kSuperheated);
    steam.SetTemperature(kZeroCelsius + 380);
    ASSERT_EQ(steam.SetPressure(300e5), kMsgStateOutsideFits);
    EXPECT_EQ(AccuracyNotes(steam), Notes{});
}

TEST(AccuracyNotes, HumidAir)
{
    EXPECT_EQ(AirNotes(20, 50), Notes{});
    // Dew point about -9 °C: over water, not over ice.
    EXPECT_EQ(AirNotes(5, 30), Notes{kNoteAirBelowFreezing});
    EXPECT_EQ(AirNotes(5, 90), Notes{});
    EXPECT_EQ(AirNotes(70, 10), Notes{kNoteAirHotDryWetBulb});
    EXPECT_EQ(AirNotes(70, 60), Notes{kNoteAirViscosity});
    EXPECT_EQ(AirNotes(30, 100), Notes{});
    // Refused humidity: no properties.
    CPowietrze air;
    air.SetTemperature(kZeroCelsius + 5, CPowietrze::kRelativeHumidityMode);
    ASSERT_NE(air.SetRelativeHumidity(120), 0);
    EXPECT_EQ(AccuracyNotes(air), Notes{});
}
