// The fields of humid air, in the order of the page's controls, and the
// model as the page and the command line drive it: with the input mode
// that a temperature or a barometric pressure is given in. The barometric
// pressure is set on a slider, not in a field, so it has no row.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "media/CPowietrze.h"
#include "pages/PageIds.h"
#include "pages/PropertyTable.h"
#include "units/Quantities.h"

// The humid-air model and the input mode its temperature and barometric
// pressure setters pass on; the humidity setters need none.
class HumidAirInput : public CPowietrze {
public:
    int Mode() const { return m_mode; }
    // kRelativeHumidityMode or kMoistureContentMode; any other value is
    // passed on as it is (the model then gives no mode's message).
    void SetMode(int mode) { m_mode = mode; }
    bool IsMoistureMode() const { return m_mode == kMoistureContentMode; }

    // The model's setters in the current mode, except that a value set
    // while another one stands refused is not taken as a state: the model
    // computes nothing there and returns 0, so the refused value's own
    // message (and limit text) is returned instead: the temperature's, as
    // it would give it in this mode (a moisture content given: "below the
    // dew point"), else the given humidity's.
    int SetTemperatureInMode(double temperature);
    int SetBarometricPressureChecked(double pressure);
    int SetRelativeHumidityChecked(double humidity);
    // The pressure as the model takes it: a fresh model's 0 K gives no
    // message here, so a command line may set the pressure first.
    int SetBarometricPressureInMode(double pressure) { return SetBarometricPressure(pressure, m_mode); }
    int SetMoistureContentChecked(double moisture);

private:
    // The model stores a given moisture content less this much.
    static constexpr double kStoredMoistureOffset = 1e-07;
    int WithStandingMessage(int message, int givenMode);

    int m_mode = kRelativeHumidityMode;
};

// The saturation line's lowest temperature: a dew point or wet-bulb
// temperature below it is given as 0.
inline constexpr double kAirLowestSaturation = 253.15;  // K

// The barometric pressure's slider: its label, and its positions, which
// stand for 96000 + 100 x position Pa.
inline constexpr const char* kBarometerLabel = "Ciśnienie &barometryczne";
inline constexpr int kBarometerPositions = 80;          // 0..80
inline constexpr int kBarometerTickEvery = 8;
inline constexpr int kBarometerStartPosition = 40;      // 100000 Pa, the model's own at construction
inline constexpr double kBarometerLowest = 96000;       // Pa
inline constexpr double kBarometerStep = 100;           // Pa per position
inline constexpr double BarometricPressureAt(int position) { return kBarometerLowest + kBarometerStep * position; }

inline constexpr PropertyRow<HumidAirInput> kAirRows[] = {
    {"temperature", PowietrzeIds::IDC_TEMPERATURE, PowietrzeIds::IDC_TEMPERATURE_UNIT, 0, "&Temperatura", nullptr,
     kQuantityTemperature, PropertyRole::Input, &CPowietrze::GetTemperature, &HumidAirInput::SetTemperatureInMode},
    // The two humidities: one is given, the other derived, as the mode says.
    // Their labels are the mode buttons.
    {"relative_humidity", PowietrzeIds::IDC_HUMIDITY, PowietrzeIds::IDC_HUMIDITY_UNIT, PowietrzeIds::IDC_HUMIDITY_MODE,
     "&Wilgotność względna", "Wilgotność", kQuantityPercent, PropertyRole::Input, &CPowietrze::GetRelativeHumidity,
     &HumidAirInput::SetRelativeHumidityChecked},
    {"moisture_content", PowietrzeIds::IDC_MOISTURE, PowietrzeIds::IDC_MOISTURE_UNIT, PowietrzeIds::IDC_MOISTURE_MODE,
     "&Zawartość wilgoci", nullptr, kQuantityMoistureContent, PropertyRole::Input, &CPowietrze::GetMoistureContent,
     &HumidAirInput::SetMoistureContentChecked},
    {"mass_flow", PowietrzeIds::IDC_MASS_FLOW, PowietrzeIds::IDC_MASS_FLOW_UNIT, 0, "&Strumień masy", nullptr,
     kQuantityMassFlow, PropertyRole::Carried, &CPowietrze::GetMassFlow, &CPowietrze::SetMassFlow},
    {"enthalpy", PowietrzeIds::IDC_ENTHALPY, PowietrzeIds::IDC_ENTHALPY_UNIT, 0, "&Entalpia", nullptr,
     kQuantityEnthalpy, PropertyRole::Output, &CPowietrze::GetEnthalpy},
    {"specific_volume", PowietrzeIds::IDC_SPECIFIC_VOLUME, PowietrzeIds::IDC_SPECIFIC_VOLUME_UNIT, 0,
     "&Objętość właściwa", nullptr, kQuantitySpecificVolume, PropertyRole::Output, &CPowietrze::GetSpecificVolume},
    {"vapour_pressure", PowietrzeIds::IDC_VAPOUR_PRESSURE, PowietrzeIds::IDC_VAPOUR_PRESSURE_UNIT, 0,
     "&Ciśnienie cząstkowe pary", "Ciśnienie cząstkowe", kQuantityPressure, PropertyRole::Output,
     &CPowietrze::GetVapourPressure},
    {"dew_point", PowietrzeIds::IDC_DEW_POINT, PowietrzeIds::IDC_DEW_POINT_UNIT, 0, "Temperatura punktu &rosy",
     "Temperatura punktu rosy", kQuantityTemperature, PropertyRole::Output, &CPowietrze::GetDewPoint, nullptr,
     nullptr, kAirLowestSaturation},
    {"wet_bulb_temperature", PowietrzeIds::IDC_WET_BULB, PowietrzeIds::IDC_WET_BULB_UNIT, 0,
     "Temperatura term. &mokrego", "Temperatura termometru mokrego", kQuantityTemperature, PropertyRole::Output,
     &CPowietrze::GetWetBulbTemperature, nullptr, nullptr, kAirLowestSaturation},
    {"dynamic_viscosity", PowietrzeIds::IDC_DYNAMIC_VISCOSITY, PowietrzeIds::IDC_DYNAMIC_VISCOSITY_UNIT, 0,
     "Lepkość &dynamiczna", nullptr, kQuantityDynamicViscosity, PropertyRole::Output,
     &CPowietrze::GetDynamicViscosity},
    {"kinematic_viscosity", PowietrzeIds::IDC_KINEMATIC_VISCOSITY, PowietrzeIds::IDC_KINEMATIC_VISCOSITY_UNIT, 0,
     "Lepkość &kinematyczna", nullptr, kQuantityKinematicViscosity, PropertyRole::Output,
     &CPowietrze::GetKinematicViscosity},
};

inline constexpr std::span<const PropertyRow<HumidAirInput>> kAirTable{kAirRows};

// The rows in the order of the state text: the mass flow before the
// properties, the moisture content among them.
inline constexpr std::size_t kAirStateOrder[] = {
    RowOf(kAirTable, "temperature"),         RowOf(kAirTable, "relative_humidity"),
    RowOf(kAirTable, "mass_flow"),           RowOf(kAirTable, "enthalpy"),
    RowOf(kAirTable, "moisture_content"),    RowOf(kAirTable, "specific_volume"),
    RowOf(kAirTable, "vapour_pressure"),     RowOf(kAirTable, "dew_point"),
    RowOf(kAirTable, "wet_bulb_temperature"), RowOf(kAirTable, "dynamic_viscosity"),
    RowOf(kAirTable, "kinematic_viscosity"),
};

// The humidity row the model derives in a mode: the moisture content when
// the relative humidity is given, and the reverse. While a message stands
// it is blank, like the outputs.
inline constexpr std::size_t DerivedHumidityRow(int mode)
{
    return mode == CPowietrze::kMoistureContentMode ? RowOf(kAirTable, "relative_humidity")
                                                    : RowOf(kAirTable, "moisture_content");
}

// The slider's label: "%8.0f hPa" of the pressure in Pa ("    1000 hPa").
std::string BarometerText(double pressure);
