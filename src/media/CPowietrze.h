// Humid air (dry air with water vapour) at a barometric pressure of 960 to
// 1040 hPa. The state is the temperature with either the relative humidity
// (mode 0) or the moisture content (mode 1); every setter recomputes all
// properties from the stored state. The steam model's saturation line gives
// the saturation pressure and temperature, the same relation above and below
// 273.15 K.
#pragma once

#include <limits>
#include <string>

#include "media/Messages.h"

class CPowietrze {
public:
    // Which of the two humidity quantities is the given one.
    enum Mode { kRelativeHumidityMode = 0, kMoistureContentMode = 1 };

    CPowietrze();

    // Setters return 0 when the value is accepted, otherwise a message
    // number (media/Messages.h) with the violated limit in GetLimitText()
    // (empty for the humidity messages and 11013). An infinite or NaN
    // argument changes nothing: kMsgValueNotFinite.

    // Barometric pressure in Pa. Always stored; makes the maximum temperature
    // the boiling temperature at p and the maximum moisture content that of
    // air at 99.99 % there.
    int SetBarometricPressure(double pressure, int mode);
    // Temperature in K. When accepted, the maximum moisture content becomes
    // that of saturated air at this temperature.
    int SetTemperature(double temperature, int mode);
    // Relative humidity in %, 0..100.
    int SetRelativeHumidity(double humidity);
    // Moisture content in kg of vapour per kg of dry air; stored less 1e-07.
    int SetMoistureContent(double moisture);
    // Mass flow in kg/s of humid air, any finite value; 0.
    int SetMassFlow(double massFlow);

    double GetBarometricPressure() const { return m_pressure; }           // Pa
    double GetTemperature() const { return m_temperature; }               // K
    double GetRelativeHumidity() const { return m_humidity; }             // %
    double GetMoistureContent() const { return m_moisture; }              // kg/kg of dry air
    double GetMassFlow() const { return m_massFlow; }                     // kg/s of humid air
    double GetEnthalpy() const { return m_enthalpy; }                     // J/kg of dry air
    double GetSpecificVolume() const { return m_volume; }                 // m³/kg of humid air
    double GetVapourPressure() const { return m_vapourPressure; }         // Pa
    double GetDewPoint() const { return m_dewPoint; }                     // K, 0 below about 253.15 K
    double GetWetBulbTemperature() const { return m_wetBulb; }            // K
    double GetDynamicViscosity() const { return m_dynamicViscosity; }     // Pa s
    double GetKinematicViscosity() const { return m_kinematicViscosity; } // m²/s
    // The bound named by the last failed check ("   253.15 K"), in the
    // separator in force.
    const std::string& GetLimitText() const { return m_limitText; }
    // Limits that setters carry into later checks.
    double GetMaxTemperature() const { return m_maxTemperature; }         // K
    double GetMaxMoistureContent() const { return m_maxMoisture; }        // kg/kg

    // Properties of a state (T in K, relative humidity in %) at the current
    // barometric pressure; each is 0 unless T and the humidity lie within the
    // current limits (RelativeHumidity checks the moisture content instead).
    double MoistureContent(double temperature, double humidity);     // kg/kg
    double RelativeHumidity(double temperature, double moisture);    // %, from kg/kg
    double Enthalpy(double temperature, double humidity);            // J/kg of dry air
    double SpecificVolume(double temperature, double humidity);      // m³/kg
    double VapourPressure(double temperature, double humidity);      // Pa
    double DewPoint(double temperature, double humidity);            // K
    double WetBulbTemperature(double temperature, double humidity);  // K
    double DynamicViscosity(double temperature, double humidity);    // Pa s
    double KinematicViscosity(double temperature, double humidity);  // m²/s

    // The two relations above as functions of the moisture content, without
    // range checks: what the h-x chart draws and reads its points with.
    // Both are affine in the temperature at a fixed moisture content.
    static double EnthalpyOf(double temperature, double moisture);  // J/kg of dry air
    double SpecificVolumeOf(double temperature, double moisture) const;  // m³/kg, at this pressure

private:
    int RefuseNonFinite();
    bool InState(double temperature, double humidity) const;
    // The saturation pressure at T (0 outside the line's range), kept for
    // the last T: a state and the setter after it ask for it several times.
    double LinePressure(double temperature);
    double CappedSaturationPressure(double temperature);
    // MoistureContent without the range check.
    double MoistureAt(double temperature, double humidity);
    double DewPointOf(double moisture);
    // The boiling temperature at the barometric pressure, kept per pressure.
    double Boiling();
    double SaturatedAirEnthalpy(double temperature, double saturationPressure) const;
    double WetBulbOf(double temperature, double enthalpy, double dewPoint);
    double AllVapourWetBulb(double temperature);
    // Every property of the stored state at once; returns its moisture
    // content (0 outside the limits, as MoistureContent).
    double ComputeProperties();
    void ClearProperties();

    std::string m_limitText;
    double m_minTemperature = 253.149;   // K
    double m_maxTemperature = 1073.15;   // K; the boiling temperature once a pressure is set
    double m_minHumidity = 0;            // %
    double m_maxHumidity = 100;          // %
    double m_pressure = 100000;          // Pa
    double m_minPressure = 96000;        // Pa
    double m_maxPressure = 104000;       // Pa
    double m_minMoisture = 0;            // kg/kg
    double m_maxMoisture = 100;          // kg/kg
    double m_temperature = 0;            // K
    double m_humidity = 0;               // %
    double m_massFlow = 1;               // kg/s
    double m_enthalpy = 0;               // J/kg
    double m_moisture = 0;               // kg/kg
    double m_volume = 0;                 // m³/kg
    double m_vapourPressure = 0;         // Pa
    double m_dewPoint = 0;               // K
    double m_wetBulb = 0;                // K
    double m_dynamicViscosity = 0;       // Pa s
    double m_kinematicViscosity = 0;     // m²/s

    // Kept from earlier states; a NaN key matches nothing.
    double m_lineTemperature = std::numeric_limits<double>::quiet_NaN();  // K
    double m_linePressure = 0;                                          // Pa, ps there
    double m_boilingPressure = std::numeric_limits<double>::quiet_NaN();  // Pa
    double m_boiling = 0;                                               // K, 0 off the line
    bool m_poleKnown = false;   // the two below, for m_boilingPressure
    double m_poleCap = 0;       // K, the highest start below the boiling temperature
    double m_poleEnthalpy = 0;  // J/kg, of saturated air there
};
