// Liquid water: properties from the temperature alone, by polynomial fits in
// degrees Celsius, valid from 273.15 K to 423.15 K. Also holds the pressure
// and the mass flow the water page shows; neither enters any property.
#pragma once

#include <string>

#include "media/Messages.h"

class CWoda {
public:
    CWoda();

    // Setters return 0 when the value is accepted, otherwise a message
    // number (media/Messages.h) with the violated limit in GetLimitText().
    // An infinite or NaN argument changes nothing: kMsgValueNotFinite.

    // Temperature in K. Stored (when finite); properties recomputed only
    // within the limits, otherwise they keep the values of the last accepted
    // temperature.
    int SetTemperature(double temperature);
    // Pressure in Pa, 1e5 to 1e7; a rejected pressure is not stored.
    int SetPressure(double pressure);
    // Mass flow in kg/s, any finite value; 0.
    int SetMassFlow(double massFlow);

    double GetTemperature() const { return m_temperature; }          // K, last given
    double GetPressure() const { return m_pressure; }                // Pa, last accepted
    double GetMassFlow() const { return m_massFlow; }                // kg/s
    double GetDensity() const { return m_density; }                  // kg/m³
    double GetExpansion() const { return m_expansion; }              // 1/K, -(1/rho) drho/dT
    double GetSpecificHeat() const { return m_specificHeat; }        // J/(kg K)
    double GetEnthalpy() const { return m_enthalpy; }                // J/kg
    double GetConductivity() const { return m_conductivity; }        // W/(m K)
    double GetDynamicViscosity() const { return m_dynamicViscosity; }     // Pa s
    double GetKinematicViscosity() const { return m_kinematicViscosity; } // m²/s
    double GetPrandtl() const { return m_prandtl; }                  // dimensionless
    double GetSurfaceTension() const { return m_surfaceTension; }    // N/m
    // The violated limit with its unit ("   273.15 K") after a rejected
    // input, empty after an accepted one; the separator in force.
    const std::string& GetLimitText() const { return m_limitText; }

private:
    int RefuseNonFinite();

    // A limit text of a fixed bound, formatted again only when the decimal
    // separator has changed: a rejected keystroke costs no formatting.
    struct FixedLimitText {
        char separator = 0;
        std::string text;
        const std::string& Get(double value, std::size_t width, int decimals, const char* unit);
    };

    std::string m_limitText;
    double m_temperature = 0;        // K
    double m_pressure = 0;           // Pa
    double m_massFlow = 0;           // kg/s
    double m_density = 0;            // kg/m³
    double m_expansion = 0;          // 1/K
    double m_specificHeat = 0;       // J/(kg K)
    double m_enthalpy = 0;           // J/kg
    double m_conductivity = 0;       // W/(m K)
    double m_dynamicViscosity = 0;   // Pa s
    double m_kinematicViscosity = 0; // m²/s
    double m_prandtl = 0;            // dimensionless
    double m_surfaceTension = 0;     // N/m
    double m_maxTemperature = 0;     // K
    double m_minTemperature = 0;     // K
    double m_maxPressure = 0;        // Pa
    double m_minPressure = 0;        // Pa
    FixedLimitText m_minTemperatureText, m_maxTemperatureText, m_minPressureText, m_maxPressureText;
};
