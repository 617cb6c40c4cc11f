#include "media/AccuracyNotes.h"

#include "media/CPara.h"
#include "media/CPowietrze.h"
#include "media/CWoda.h"

namespace {

constexpr double kFreezing = 273.15;  // K

// Water: the expansion coefficient passes 5 % error below 16 °C (it
// changes sign at 4 °C, where no relative bound holds).
constexpr double kWaterMinTemperature = 273.15;
constexpr double kWaterMaxTemperature = 423.15;
constexpr double kExpansionAccurateFrom = 273.15 + 16;

// Wet and saturated steam, by the pressure of the saturation point.
constexpr double kBoilingWaterAccurateFrom = 1500;  // Pa: h' passes 5 % below
constexpr double kSteamVolumeAccurateTo = 25e5;     // Pa: v'' passes 5 % above
constexpr double kSaturatedAccurateTo = 75e5;       // Pa: r, h', v', h'' pass 5 % above

// Superheated steam: every property passes 5 % next to the critical point.
constexpr double kNearCriticalPressure = 170e5;          // Pa
constexpr double kNearCriticalTemperature = 273.15 + 440; // K

// Humid air. A wet bulb just above 0 °C can stand for an ice bulb just
// below it, so the note starts 1 K above freezing for the wet bulb.
constexpr double kWetBulbOverIceBelow = 274.15;  // K
constexpr double kHotAir = 273.15 + 65;   // K: the wet bulb of dry air drifts from here up
constexpr double kDryAir = 50;            // %: below this humidity
constexpr double kHumidAirMoisture = 0.06; // kg/kg: viscosity of dry air passes 5 % above

}  // namespace

std::vector<int> AccuracyNotes(const CWoda& water)
{
    const double t = water.GetTemperature();
    // A rejected temperature leaves the properties of an earlier one.
    if (!(t >= kWaterMinTemperature && t <= kWaterMaxTemperature))
        return {};
    if (t < kExpansionAccurateFrom)
        return {kNoteWaterExpansion};
    return {};
}

std::vector<int> AccuracyNotes(const CPara& steam)
{
    // A refused or never computed state has no volume.
    if (!(steam.GetSpecificVolume() > 0))
        return {};
    std::vector<int> notes;
    if (steam.GetRegime() == CPara::kSuperheated) {
        if (steam.GetPressure() > kNearCriticalPressure && steam.GetTemperature() < kNearCriticalTemperature)
            notes.push_back(kNoteSuperheatedNearCritical);
        return notes;
    }
    const double ps = steam.GetSaturationPointPressure();
    notes.push_back(kNoteSaturatedViscosity);
    if (steam.GetDryness() < 1 && ps < kBoilingWaterAccurateFrom)
        notes.push_back(kNoteWetLowPressure);
    if (ps > kSteamVolumeAccurateTo)
        notes.push_back(kNoteSaturatedVolume);
    if (ps > kSaturatedAccurateTo)
        notes.push_back(kNoteSaturatedHighPressure);
    return notes;
}

std::vector<int> AccuracyNotes(const CPowietrze& air)
{
    if (!(air.GetSpecificVolume() > 0))
        return {};
    std::vector<int> notes;
    // 0 stands for a dew point below the model's line: no value to qualify.
    const double dewPoint = air.GetDewPoint();
    const double wetBulb = air.GetWetBulbTemperature();
    if ((dewPoint > 0 && dewPoint < kFreezing) || (wetBulb > 0 && wetBulb < kWetBulbOverIceBelow))
        notes.push_back(kNoteAirBelowFreezing);
    if (air.GetTemperature() > kHotAir && air.GetRelativeHumidity() < kDryAir)
        notes.push_back(kNoteAirHotDryWetBulb);
    if (air.GetMoistureContent() > kHumidAirMoisture)
        notes.push_back(kNoteAirViscosity);
    return notes;
}
