#include "media/CWoda.h"

#include <cmath>

#include "media/LimitText.h"

const std::string& CWoda::FixedLimitText::Get(double value, std::size_t width, int decimals, const char* unit)
{
    if (separator != DecimalSeparator()) {
        text = LimitText(value, width, decimals, unit);
        separator = DecimalSeparator();
    }
    return text;
}

int CWoda::RefuseNonFinite()
{
    m_limitText.clear();
    return kMsgValueNotFinite;
}

CWoda::CWoda()
{
    m_maxTemperature = 423.15;
    m_minTemperature = 273.15;
    m_maxPressure = 1e7;
    m_minPressure = 1e5;
    // 0 K is rejected, so no property is computed yet: the owner sets a valid
    // temperature before it reads any.
    SetTemperature(0);
    SetPressure(1e5);
    SetMassFlow(1);
    m_limitText.clear();
}

int CWoda::SetTemperature(double temperature)
{
    if (!std::isfinite(temperature))
        return RefuseNonFinite();
    m_temperature = temperature;
    m_limitText.clear();
    int result = 0;
    if (temperature < m_minTemperature) {
        m_limitText = m_minTemperatureText.Get(m_minTemperature, 8, 2, "K");
        result = kMsgTemperatureBelowMinimum;
    }
    if (temperature > m_maxTemperature) {
        m_limitText = m_maxTemperatureText.Get(m_maxTemperature, 8, 2, "K");
        result = kMsgTemperatureAboveMaximum;
    }
    if (!(temperature >= m_minTemperature && temperature <= m_maxTemperature))
        return result;

    const double t = temperature - 273.15;
    const double t2 = std::pow(t, 2), t3 = std::pow(t, 3), t4 = std::pow(t, 4), t5 = std::pow(t, 5);

    // The fits sum their terms in this order; keep it, the last digits depend on it.
    m_density = 0.07935 * t + 999.732 - 0.00857 * t2 + 5.83e-05 * t3 - 2.677e-07 * t4 + 4.843e-10 * t5;
    // beta = -(1/rho) drho/dT from the density fit itself, differentiated
    // term by term: it keeps the density's accuracy, where a fit of its own
    // for beta would not.
    const double densitySlope = 0.07935 - 2 * 0.00857 * t + 3 * 5.83e-05 * t2 - 4 * 2.677e-07 * t3
                                + 5 * 4.843e-10 * t4;
    m_expansion = -densitySlope / m_density;
    m_specificHeat = 1000 * (4.214 - 0.0022 * t + 4.21e-05 * t2 - 2.817e-07 * t3 + 8.4525e-10 * t4);
    m_enthalpy = 1000 * (4.198 * t + 0.05947 - 0.0004407 * t2 + 3.631e-06 * t3);
    m_conductivity = 0.0019355 * t + 0.5687 - 9.857e-06 * t2 + 2.149e-08 * t3 - 4.5165e-11 * t4;
    m_dynamicViscosity = m_density / (19689.27 * t + 556406.7 + 124.6096 * t2 - 0.3783792 * t3);
    m_kinematicViscosity = m_dynamicViscosity / m_density;
    // Its own fit, not mu * cp / lambda.
    m_prandtl = 1 / (0.002909 * t + 0.0752 + 2.827e-05 * t2 - 7.928e-08 * t3);
    m_surfaceTension = 0.075687 - 0.000132 * t - 6.809e-07 * t2 + 4.79e-09 * t3 - 1.609e-11 * t4;
    return 0;
}

int CWoda::SetPressure(double pressure)
{
    if (!std::isfinite(pressure))
        return RefuseNonFinite();
    m_limitText.clear();
    int result = 0;
    if (pressure < m_minPressure) {
        m_limitText = m_minPressureText.Get(m_minPressure / 1000, 5, 0, "kPa");
        result = kMsgPressureBelowMinimum;
    }
    if (pressure > m_maxPressure) {
        m_limitText = m_maxPressureText.Get(m_maxPressure / 1000000, 5, 0, "MPa");
        result = kMsgPressureAboveMaximum;
    }
    if (pressure >= m_minPressure && pressure <= m_maxPressure)
        m_pressure = pressure;
    return result;
}

int CWoda::SetMassFlow(double massFlow)
{
    if (!std::isfinite(massFlow))
        return RefuseNonFinite();
    m_massFlow = massFlow;
    return 0;
}
