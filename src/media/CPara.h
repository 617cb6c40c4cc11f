// Water steam in three regimes: wet (saturated water and steam of a given
// dryness), saturated (dryness 1) and superheated. The caller picks the
// regime, then sets the temperature, the pressure or the dryness; each setter
// checks its argument against the regime's limits and recomputes every
// property. The humid-air model uses one for its saturation line only.
#pragma once

#include <string>

#include "media/Messages.h"

class CPara {
public:
    enum Regime { kWet = 0, kSaturated = 1, kSuperheated = 2 };

    CPara();

    // Setters return 0 when the value is accepted, otherwise a message
    // number (media/Messages.h) with the violated limit in GetLimitText().
    // A state within the limits whose fits give no physical steam (a volume
    // or viscosity of zero or less, or not finite) is refused with
    // kMsgStateOutsideFits, an empty limit text and the properties at 0.
    // An infinite or NaN argument changes nothing: kMsgValueNotFinite.

    // 0 wet, 1 saturated, 2 superheated. Recomputes nothing: set the
    // temperature (and, superheated, then the pressure) afterwards. Returns 0.
    int SetRegime(int regime);
    // Temperature in K.
    int SetTemperature(double temperature);
    // Pressure in Pa.
    int SetPressure(double pressure);
    // Dryness, a fraction 0..1; wet-state properties of the last saturation point.
    int SetDryness(double dryness);
    // Mass flow in kg/s, any finite value; 0.
    int SetMassFlow(double massFlow);

    int GetRegime() const { return m_regime; }                           // 0, 1 or 2
    double GetTemperature() const { return m_temperature; }              // K
    double GetPressure() const { return m_pressure; }                    // Pa
    double GetDryness() const { return m_dryness; }                      // fraction 0..1
    double GetMassFlow() const { return m_massFlow; }                    // kg/s
    double GetEnthalpy() const { return m_enthalpy; }                    // J/kg
    double GetSpecificVolume() const { return m_volume; }                // m³/kg
    double GetWaterVolume() const { return m_waterVolume; }              // m³/kg, saturated water
    double GetHeatOfVaporisation() const { return m_heatOfVaporisation; } // J/kg
    double GetDynamicViscosity() const { return m_dynamicViscosity; }    // Pa s
    double GetKinematicViscosity() const { return m_kinematicViscosity; } // m²/s
    // The bound named by the last failed check ("   273.15 K"), in the
    // separator in force. Superheated setters fill it before comparing, so
    // read it only together with a non-zero result.
    const std::string& GetLimitText() const { return m_limitText; }

    // The pair the saturation line last produced, from which the wet and
    // saturated properties come: K and Pa.
    double GetSaturationPointTemperature() const { return m_lastSatTemperature; }
    double GetSaturationPointPressure() const { return m_lastSatPressure; }

    // Saturation pressure at T (K) less offset, in Pa; 0 (not -offset) outside
    // 253.1499..647.14 K. With offset exactly 0 it records (T, result) as the
    // last saturation point, also outside the range. A non-finite argument
    // gives 0 and records nothing.
    double SaturationPressure(double temperature, double offset);
    // Saturation temperature in K at p (Pa) by Newton's method from the
    // critical temperature; 0 outside 125.6447..22064000 Pa (NaN included),
    // leaving the last saturation point alone. Otherwise records (result, p).
    double SaturationTemperature(double pressure);

    // The same line for callers that keep no point of it (the humid-air
    // model): the results of the two above, bit for bit, recording nothing.
    static double PressureOnLine(double temperature);
    static double TemperatureOnLine(double pressure);

private:
    int RefuseNonFinite();
    void ComputeWetState(bool saturated);
    void ComputeSuperheated();
    void ClearProperties();
    bool PropertiesArePhysical() const;
    // Clears the properties and returns the message of a state the fits
    // cannot describe.
    int RefuseUnphysicalState();

    std::string m_limitText;
    double m_minTemperature = 0;               // K, wet and saturated
    double m_minPressure = 0;                  // Pa, every regime
    double m_criticalTemperature = 0;          // K
    double m_criticalPressure = 0;             // Pa
    double m_satLowTemperature = 0;            // K, lower end of the pressure relation
    double m_satLowPressure = 0;               // Pa, lower end of the temperature iteration
    double m_superLowTemperature = 0;          // K, superheated fits start here
    double m_superLowPressure = 0;             // Pa
    double m_maxTemperature = 0;               // K
    double m_maxPressure = 0;                  // Pa
    double m_temperature = 0;                  // K
    double m_pressure = 0;                     // Pa
    double m_dryness = 1;                      // fraction
    double m_massFlow = 1;                     // kg/s
    double m_enthalpy = 0;                     // J/kg
    double m_volume = 0;                       // m³/kg
    double m_waterVolume = 0;                  // m³/kg
    double m_heatOfVaporisation = 0;           // J/kg
    double m_dynamicViscosity = 0;             // Pa s
    double m_kinematicViscosity = 0;           // m²/s
    int m_regime = kWet;
    double m_lastSatTemperature = 0;           // K
    double m_lastSatPressure = 0;              // Pa
};
