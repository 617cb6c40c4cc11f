#include "media/CPowietrze.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "media/LimitText.h"

namespace {

// Where the saturation-pressure equation has its critical temperature: from
// here up the vapour pressure is taken as the barometric pressure.
constexpr double kLineCriticalTemperature = 647.286;
// The end of the saturation-pressure relation's range (above it ps is 0).
constexpr double kLineUpperTemperature = 647.14;

// False position ends by itself in every state (each pass that goes on
// moves an end of the bracket by more than 0.01 K), but next to the boiling
// temperature in nearly dry air it creeps: thousands of passes, and a last
// step under 0.01 K that can leave it tens or hundreds of kelvin short of the
// root. Where it is still running after this many passes it is already more
// than 2 K off; it is then finished by bisection.
constexpr int kMaxWetBulbPasses = 2000;
// A result whose own residual puts it further than this from the root is
// finished by bisection too; within it the false-position result stands.
constexpr double kWetBulbTolerance = 2.0;

}  // namespace

CPowietrze::CPowietrze()
{
    m_saturation.SetRegime(CPara::kSaturated);
    m_saturation.SetPressure(100000);
}

bool CPowietrze::InState(double temperature, double humidity) const
{
    return temperature >= m_minTemperature && temperature <= m_maxTemperature && humidity >= m_minHumidity
           && humidity <= m_maxHumidity;
}

// The vapour can press no more than the air around it.
double CPowietrze::CappedSaturationPressure(double temperature)
{
    if (temperature < kLineCriticalTemperature) {
        m_saturation.SetRegime(CPara::kSaturated);
        return std::min(m_pressure, m_saturation.SaturationPressure(temperature, 0));
    }
    return m_pressure;
}

double CPowietrze::MoistureContent(double temperature, double humidity)
{
    if (!InState(temperature, humidity))
        return 0;
    const double d = CappedSaturationPressure(temperature);
    const double c = m_pressure - humidity / 100 * d;
    // Saturated air at or above the boiling temperature holds no dry air.
    if (c == 0)
        return std::numeric_limits<double>::max();
    return humidity * 0.622 / 100 * d / c;
}

double CPowietrze::RelativeHumidity(double temperature, double moisture)
{
    if (!(temperature >= m_minTemperature && temperature <= m_maxTemperature && moisture >= m_minMoisture
          && moisture <= m_maxMoisture))
        return 0;
    const double d = CappedSaturationPressure(temperature);
    if (m_pressure > d) {
        // Just above the minimum temperature the line gives no pressure;
        // dry air there is 0 %, not 0 / 0.
        if (d == 0 && moisture == 0)
            return 0;
        const double humidity = m_pressure * moisture / ((moisture + 0.622) * d) * 100;
        return humidity > 100 ? 100 : humidity;
    }
    return moisture / (moisture + 0.622) * 100;
}

double CPowietrze::Enthalpy(double temperature, double humidity)
{
    if (!InState(temperature, humidity))
        return 0;
    return EnthalpyOf(temperature, MoistureContent(temperature, humidity));
}

double CPowietrze::EnthalpyOf(double temperature, double moisture)
{
    const double t = temperature - 273.15;
    return (moisture * (1.86 * t + 2500) + 1.006 * t) * 1000;
}

double CPowietrze::SpecificVolume(double temperature, double humidity)
{
    if (!InState(temperature, humidity))
        return 0;
    return SpecificVolumeOf(temperature, MoistureContent(temperature, humidity));
}

double CPowietrze::SpecificVolumeOf(double temperature, double moisture) const
{
    return (moisture + 0.622) * 462 / (moisture + 1) * temperature / m_pressure;
}

double CPowietrze::VapourPressure(double temperature, double humidity)
{
    if (!InState(temperature, humidity))
        return 0;
    m_saturation.SetRegime(CPara::kSaturated);
    return m_saturation.SaturationPressure(temperature, 0) * (humidity / 100);
}

// Dry air; the humidity serves only the range check.
double CPowietrze::DynamicViscosity(double temperature, double humidity)
{
    if (!InState(temperature, humidity))
        return 0;
    const double t = temperature - 273.15;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return 5.00144601700329e-08 * t + 1.71638187380215e-05 - 8.37571870853837e-12 * t2
           - 1.6726866185067e-13 * t3;
}

double CPowietrze::KinematicViscosity(double temperature, double humidity)
{
    if (!InState(temperature, humidity))
        return 0;
    return DynamicViscosity(temperature, humidity) * SpecificVolume(temperature, humidity);
}

double CPowietrze::DewPoint(double temperature, double humidity)
{
    if (!InState(temperature, humidity))
        return 0;
    const double x = MoistureContent(temperature, humidity);
    const double vapour = x * m_pressure / (x + 0.622);
    m_saturation.SetRegime(CPara::kSaturated);
    return m_saturation.SaturationTemperature(vapour);
}

// Enthalpy of saturated air at s less the given enthalpy: the function whose
// root is the wet-bulb temperature. It has a pole at the boiling temperature.
double CPowietrze::SaturatedAirExcess(double s, double enthalpy)
{
    const double ps = m_saturation.SaturationPressure(s, 0);
    return (ps * 0.622 / (m_pressure - ps) * (1.86 * (s - 273.15) + 2500) + 1.006 * (s - 273.15)) * 1000
           - enthalpy;
}

// Regula falsi between the dew point and the air temperature, stopping when
// the last step is at most 0.01 K. Its results are kept exactly, also where
// that rule ends up to about 2 K from the true root in hot dry air; only a
// search that stalls further off, next to the boiling temperature, is
// finished by bisection.
double CPowietrze::WetBulbTemperature(double temperature, double humidity)
{
    if (!InState(temperature, humidity))
        return 0;
    m_saturation.SetRegime(CPara::kSaturated);
    const double enthalpy = Enthalpy(temperature, humidity);
    double lo = DewPoint(temperature, humidity);
    double hi = temperature;
    // Saturated air at or above the boiling temperature is all vapour (the
    // largest moisture content, an infinite enthalpy): it evaporates nothing
    // more and stays at the boiling temperature, where false position would
    // only divide infinities.
    if (std::isinf(enthalpy)) {
        const double boiling = m_saturation.SaturationTemperature(m_pressure);
        return boiling > 0 ? std::min(boiling, temperature) : 0;
    }

    // Air at or above the boiling temperature (accepted until the first
    // barometric pressure sets the maximum temperature): the wet-bulb
    // temperature lies below the pole of the function, so the search must
    // not start beyond it. Bring hi just below the pole, then halve the
    // bracket, where the function is too steep for false position alone.
    bool narrowed = false;
    double flo = 0, fhi = 0;
    if (hi > kLineUpperTemperature || m_saturation.SaturationPressure(hi, 0) >= m_pressure) {
        const double boiling = m_saturation.SaturationTemperature(m_pressure);
        if (boiling > 0 && boiling <= hi) {
            double cap = boiling;
            double below = 1e-9;
            for (int i = 0; i < 64 && !(m_saturation.SaturationPressure(cap, 0) < m_pressure); ++i) {
                cap = boiling - below;
                below *= 2;
            }
            hi = cap;
            flo = SaturatedAirExcess(lo, enthalpy);
            fhi = SaturatedAirExcess(hi, enthalpy);
            if (flo < 0 && fhi > 0 && std::isfinite(fhi)) {
                for (int i = 0; i < 200 && hi - lo > 0.02; ++i) {
                    const double mid = 0.5 * (lo + hi);
                    const double fmid = SaturatedAirExcess(mid, enthalpy);
                    if (fmid == 0)
                        return mid;
                    if (fmid < 0) {
                        lo = mid;
                        flo = fmid;
                    } else {
                        hi = mid;
                        fhi = fmid;
                    }
                }
            }
            narrowed = true;
        }
    }

    if (!narrowed) {
        if (std::fabs(lo - hi) <= 0.01)
            return lo;
        flo = SaturatedAirExcess(lo, enthalpy);
        fhi = SaturatedAirExcess(hi, enthalpy);
    }
    // F at both ends is carried from pass to pass; evaluating it afresh
    // gives the same numbers.
    double x = lo;
    double g = flo;
    bool ended = false;
    for (int pass = 0; pass < kMaxWetBulbPasses; ++pass) {
        x = lo - (hi - lo) * flo / (fhi - flo);
        if (!std::isfinite(x))
            return x;
        g = SaturatedAirExcess(x, enthalpy);
        if (g == 0)
            return x;
        double replaced;
        if (g * flo < 0) {
            replaced = hi;
            hi = x;
            fhi = g;
        } else {
            replaced = lo;
            lo = x;
            flo = g;
        }
        if (!(std::fabs(x - replaced) > 0.01)) {
            ended = true;
            break;
        }
    }
    if (ended) {
        // Distance to the root estimated from the residual and the slope
        // just below x (the pole lies above).
        const double step = 1e-3;
        const double slope = (g - SaturatedAirExcess(x - step, enthalpy)) / step;
        if (!(slope > 0 && std::fabs(g) / slope > kWetBulbTolerance))
            return x;
    }
    // The search has stalled next to the pole: halve the bracket it holds.
    if (!(flo < 0 && fhi > 0))
        return x;
    for (int i = 0; i < 200 && hi - lo > 0.01; ++i) {
        const double mid = 0.5 * (lo + hi);
        const double fmid = SaturatedAirExcess(mid, enthalpy);
        if (fmid == 0)
            return mid;
        if (fmid < 0)
            lo = mid;
        else
            hi = mid;
    }
    return 0.5 * (lo + hi);
}

void CPowietrze::ComputeProperties()
{
    m_enthalpy = Enthalpy(m_temperature, m_humidity);
    m_volume = SpecificVolume(m_temperature, m_humidity);
    m_vapourPressure = VapourPressure(m_temperature, m_humidity);
    m_dewPoint = DewPoint(m_temperature, m_humidity);
    m_wetBulb = WetBulbTemperature(m_temperature, m_humidity);
    m_dynamicViscosity = DynamicViscosity(m_temperature, m_humidity);
    m_kinematicViscosity = KinematicViscosity(m_temperature, m_humidity);
}

void CPowietrze::ClearProperties()
{
    m_enthalpy = 0;
    m_volume = 0;
    m_vapourPressure = 0;
    m_dewPoint = 0;
    m_wetBulb = 0;
    m_dynamicViscosity = 0;
    m_kinematicViscosity = 0;
}

int CPowietrze::RefuseNonFinite()
{
    m_limitText.clear();
    return kMsgValueNotFinite;
}

int CPowietrze::SetBarometricPressure(double pressure, int mode)
{
    if (!std::isfinite(pressure))
        return RefuseNonFinite();
    m_pressure = pressure;
    m_saturation.SetRegime(CPara::kSaturated);
    m_saturation.SetPressure(pressure);
    m_maxTemperature = m_saturation.GetTemperature();
    m_maxMoisture = MoistureContent(m_maxTemperature, 99.99);

    m_limitText.clear();
    int result = 0;
    if (pressure < m_minPressure) {
        result = kMsgPressureBelowMinimum;
        m_limitText = LimitText(m_minPressure / 100, 8, 0, "hPa");
    }
    if (pressure > m_maxPressure) {
        result = kMsgPressureAboveMaximum;
        m_limitText = LimitText(m_maxPressure / 100, 8, 0, "hPa");
    }
    if (m_temperature > m_maxTemperature) {
        result = kMsgTemperatureAboveMaximum;
        m_limitText = LimitText(m_maxTemperature, 8, 2, "K");
    }

    if (pressure >= m_minPressure && pressure <= m_maxPressure && m_temperature <= m_maxTemperature) {
        if (mode == kRelativeHumidityMode)
            m_moisture = MoistureContent(m_temperature, m_humidity);
        else if (mode == kMoistureContentMode)
            m_humidity = RelativeHumidity(m_temperature, m_moisture);
        ComputeProperties();
    } else {
        // The given moisture content too, in both modes.
        ClearProperties();
        m_moisture = 0;
    }
    return result;
}

int CPowietrze::SetTemperature(double temperature, int mode)
{
    if (!std::isfinite(temperature))
        return RefuseNonFinite();
    m_temperature = temperature;
    m_limitText.clear();
    int result = 0;
    if (temperature < m_minTemperature) {
        result = mode == kRelativeHumidityMode ? kMsgTemperatureBelowMinimum
                 : mode == kMoistureContentMode ? kMsgTemperatureBelowDewPoint
                                                : 0;
        m_limitText = LimitText(m_minTemperature, 8, 2, "K");
    }
    if (temperature > m_maxTemperature) {
        result = kMsgTemperatureAboveMaximum;
        m_limitText = LimitText(m_maxTemperature, 8, 2, "K");
    }
    if (!(temperature >= m_minTemperature && temperature <= m_maxTemperature)) {
        if (mode == kRelativeHumidityMode)
            m_moisture = 0;
        else if (mode == kMoistureContentMode)
            m_humidity = 0;
        ClearProperties();
        return result;
    }

    if (mode == kRelativeHumidityMode)
        m_moisture = MoistureContent(temperature, m_humidity);
    else if (mode == kMoistureContentMode)
        m_humidity = RelativeHumidity(temperature, m_moisture - 1e-07);
    ComputeProperties();
    m_maxMoisture = MoistureContent(temperature, 100);
    return result;
}

int CPowietrze::SetRelativeHumidity(double humidity)
{
    if (!std::isfinite(humidity))
        return RefuseNonFinite();
    m_humidity = humidity;
    m_limitText.clear();
    if (humidity >= m_minHumidity && humidity <= m_maxHumidity) {
        ComputeProperties();
        m_moisture = MoistureContent(m_temperature, humidity);
        return 0;
    }
    ClearProperties();
    m_moisture = 0;
    if (humidity > m_maxHumidity)
        return kMsgHumidityAbove100;
    if (humidity < m_minHumidity)
        return kMsgHumidityBelowZero;
    return 0;
}

int CPowietrze::SetMoistureContent(double moisture)
{
    if (!std::isfinite(moisture))
        return RefuseNonFinite();
    const double stored = moisture - 1e-07;
    m_moisture = stored;
    m_limitText.clear();
    int result = 0;
    if (stored > m_maxMoisture) {
        result = kMsgMoistureAboveMaximum;
        m_limitText = LimitText(m_maxMoisture, 8, 5, "kg/kg");
    } else if (stored < m_minMoisture) {
        result = kMsgMoistureBelowZero;
    }
    if (stored >= m_minMoisture && stored <= m_maxMoisture) {
        m_humidity = RelativeHumidity(m_temperature, stored);
        ComputeProperties();
    } else {
        m_humidity = 0;
        ClearProperties();
    }
    return result;
}

int CPowietrze::SetMassFlow(double massFlow)
{
    if (!std::isfinite(massFlow))
        return RefuseNonFinite();
    m_massFlow = massFlow;
    return 0;
}
