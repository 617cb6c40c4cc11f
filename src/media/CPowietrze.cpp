#include "media/CPowietrze.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "media/CPara.h"
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

// The enthalpy as a state shows it. Air that is all vapour (saturated at or
// above the boiling temperature before a pressure is set) has the largest
// double as its moisture content, and so overflows the enthalpy per kg of
// dry air: it is written the same way, a number, never inf.
double ShownEnthalpy(double enthalpy)
{
    return std::isinf(enthalpy) ? std::copysign(std::numeric_limits<double>::max(), enthalpy) : enthalpy;
}

// Specific volume of air of moisture content x at T and p, m³/kg of humid air.
double VolumeOf(double temperature, double x, double pressure)
{
    const double volume = (x + 0.622) * 462 / (x + 1) * temperature / pressure;
    // The largest moisture content (air that is all vapour) overflows the
    // first product; the vapour alone fills the volume.
    if (std::isinf(volume))
        return (x + 0.622) / (x + 1) * 462 * temperature / pressure;
    return volume;
}

// Dry air; the humidity does not enter. The cubic turns negative near
// 663 °C, below the 1073.15 K a model accepts before its first pressure:
// there it gives no viscosity, 0 like the properties of a state outside
// the limits, never a negative one.
double DryAirViscosity(double temperature)
{
    const double t = temperature - 273.15;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return std::max(5.00144601700329e-08 * t + 1.71638187380215e-05 - 8.37571870853837e-12 * t2
                        - 1.6726866185067e-13 * t3,
                    0.0);
}

}  // namespace

CPowietrze::CPowietrze() = default;

bool CPowietrze::InState(double temperature, double humidity) const
{
    return temperature >= m_minTemperature && temperature <= m_maxTemperature && humidity >= m_minHumidity
           && humidity <= m_maxHumidity;
}

double CPowietrze::LinePressure(double temperature)
{
    if (!(temperature == m_lineTemperature)) {
        m_lineTemperature = temperature;
        m_linePressure = CPara::PressureOnLine(temperature);
    }
    return m_linePressure;
}

// The vapour can press no more than the air around it.
double CPowietrze::CappedSaturationPressure(double temperature)
{
    if (temperature < kLineCriticalTemperature)
        return std::min(m_pressure, LinePressure(temperature));
    return m_pressure;
}

double CPowietrze::Boiling()
{
    if (!(m_pressure == m_boilingPressure)) {
        m_boilingPressure = m_pressure;
        m_boiling = CPara::TemperatureOnLine(m_pressure);
        m_poleKnown = false;
    }
    return m_boiling;
}

double CPowietrze::MoistureAt(double temperature, double humidity)
{
    const double d = CappedSaturationPressure(temperature);
    const double c = m_pressure - humidity / 100 * d;
    // Saturated air at or above the boiling temperature holds no dry air.
    if (c == 0)
        return std::numeric_limits<double>::max();
    return humidity * 0.622 / 100 * d / c;
}

double CPowietrze::MoistureContent(double temperature, double humidity)
{
    if (!InState(temperature, humidity))
        return 0;
    return MoistureAt(temperature, humidity);
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
        double humidity = m_pressure * moisture / ((moisture + 0.622) * d) * 100;
        // A content past about 1e303 (which a maximum left from air at or
        // above the boiling temperature lets through) overflows both
        // products; it is all vapour, X / (X + 0.622) is 1.
        if (!std::isfinite(m_pressure * moisture))
            humidity = m_pressure / d * (moisture / (moisture + 0.622)) * 100;
        return humidity > 100 ? 100 : humidity;
    }
    return moisture / (moisture + 0.622) * 100;
}

double CPowietrze::Enthalpy(double temperature, double humidity)
{
    if (!InState(temperature, humidity))
        return 0;
    return ShownEnthalpy(EnthalpyOf(temperature, MoistureAt(temperature, humidity)));
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
    return VolumeOf(temperature, MoistureAt(temperature, humidity), m_pressure);
}

double CPowietrze::SpecificVolumeOf(double temperature, double moisture) const
{
    return VolumeOf(temperature, moisture, m_pressure);
}

// Without the cap of the moisture content.
double CPowietrze::VapourPressure(double temperature, double humidity)
{
    if (!InState(temperature, humidity))
        return 0;
    return LinePressure(temperature) * (humidity / 100);
}

// Dry air; the humidity serves only the range check.
double CPowietrze::DynamicViscosity(double temperature, double humidity)
{
    if (!InState(temperature, humidity))
        return 0;
    return DryAirViscosity(temperature);
}

double CPowietrze::KinematicViscosity(double temperature, double humidity)
{
    if (!InState(temperature, humidity))
        return 0;
    return DryAirViscosity(temperature) * VolumeOf(temperature, MoistureAt(temperature, humidity), m_pressure);
}

double CPowietrze::DewPointOf(double moisture)
{
    double vapour = moisture * m_pressure / (moisture + 0.622);
    // All vapour (the largest moisture content): the whole pressure, not
    // an overflow to infinity, which lies off the line.
    if (std::isinf(vapour))
        vapour = m_pressure * (moisture / (moisture + 0.622));
    return CPara::TemperatureOnLine(vapour);
}

double CPowietrze::DewPoint(double temperature, double humidity)
{
    if (!InState(temperature, humidity))
        return 0;
    return DewPointOf(MoistureAt(temperature, humidity));
}

// Enthalpy of saturated air at s, ps its saturation pressure: less the air's
// enthalpy, the function whose root is the wet-bulb temperature. It has a
// pole at the boiling temperature.
double CPowietrze::SaturatedAirEnthalpy(double s, double ps) const
{
    return (ps * 0.622 / (m_pressure - ps) * (1.86 * (s - 273.15) + 2500) + 1.006 * (s - 273.15)) * 1000;
}

// Saturated air at or above the boiling temperature is all vapour: it
// evaporates nothing more and stays at the boiling temperature.
double CPowietrze::AllVapourWetBulb(double temperature)
{
    const double boiling = Boiling();
    return boiling > 0 ? std::min(boiling, temperature) : 0;
}

double CPowietrze::WetBulbTemperature(double temperature, double humidity)
{
    if (!InState(temperature, humidity))
        return 0;
    const double x = MoistureAt(temperature, humidity);
    return WetBulbOf(temperature, EnthalpyOf(temperature, x), DewPointOf(x));
}

// Regula falsi between the dew point and the air temperature, stopping when
// the last step is at most 0.01 K. Its results are kept exactly, also where
// that rule ends up to about 2 K from the true root in hot dry air; only a
// search that stalls further off, next to the boiling temperature, is
// finished by bisection.
double CPowietrze::WetBulbOf(double temperature, double enthalpy, double dewPoint)
{
    // F(s): saturated air at s less the given air.
    auto excess = [&](double s) { return SaturatedAirEnthalpy(s, CPara::PressureOnLine(s)) - enthalpy; };
    double lo = dewPoint;
    double hi = temperature;
    // The largest moisture content, an infinite enthalpy: false position
    // would only divide infinities.
    if (std::isinf(enthalpy))
        return AllVapourWetBulb(temperature);

    // Air at or above the boiling temperature (accepted until the first
    // barometric pressure sets the maximum temperature): the wet-bulb
    // temperature lies below the pole of the function, so the search must
    // not start beyond it. Bring hi just below the pole, then halve the
    // bracket, where the function is too steep for false position alone.
    bool narrowed = false;
    double flo = 0, fhi = 0;
    if (hi > kLineUpperTemperature || LinePressure(hi) >= m_pressure) {
        const double boiling = Boiling();
        if (boiling > 0 && boiling <= hi) {
            // The same start for every state at this pressure.
            if (!m_poleKnown) {
                double cap = boiling;
                double below = 1e-9;
                for (int i = 0; i < 64 && !(CPara::PressureOnLine(cap) < m_pressure); ++i) {
                    cap = boiling - below;
                    below *= 2;
                }
                m_poleCap = cap;
                m_poleEnthalpy = SaturatedAirEnthalpy(cap, CPara::PressureOnLine(cap));
                m_poleKnown = true;
            }
            hi = m_poleCap;
            flo = excess(lo);
            fhi = m_poleEnthalpy - enthalpy;
            if (flo < 0 && fhi > 0 && std::isfinite(fhi)) {
                for (int i = 0; i < 200 && hi - lo > 0.02; ++i) {
                    const double mid = 0.5 * (lo + hi);
                    const double fmid = excess(mid);
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
        flo = excess(lo);
        fhi = SaturatedAirEnthalpy(hi, LinePressure(hi)) - enthalpy;
    }
    // F at both ends is carried from pass to pass; evaluating it afresh
    // gives the same numbers.
    double x = lo;
    double g = flo;
    bool ended = false;
    for (int pass = 0; pass < kMaxWetBulbPasses; ++pass) {
        x = lo - (hi - lo) * flo / (fhi - flo);
        // An end on the pole: the dew point of air that is all but pure
        // vapour reaches the boiling temperature.
        if (!std::isfinite(x))
            return AllVapourWetBulb(temperature);
        g = excess(x);
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
        const double slope = (g - excess(x - step)) / step;
        if (!(slope > 0 && std::fabs(g) / slope > kWetBulbTolerance))
            return x;
    }
    // The search has stalled next to the pole: halve the bracket it holds.
    if (!(flo < 0 && fhi > 0))
        return x;
    for (int i = 0; i < 200 && hi - lo > 0.01; ++i) {
        const double mid = 0.5 * (lo + hi);
        const double fmid = excess(mid);
        if (fmid == 0)
            return mid;
        if (fmid < 0)
            lo = mid;
        else
            hi = mid;
    }
    return 0.5 * (lo + hi);
}

// One saturation pressure (kept for the setter that follows) and one
// dew-point solve, which the wet-bulb search starts from.
double CPowietrze::ComputeProperties()
{
    if (!InState(m_temperature, m_humidity)) {
        ClearProperties();
        return 0;
    }
    const double x = MoistureAt(m_temperature, m_humidity);
    m_enthalpy = EnthalpyOf(m_temperature, x);
    m_volume = VolumeOf(m_temperature, x, m_pressure);
    m_vapourPressure = LinePressure(m_temperature) * (m_humidity / 100);
    m_dewPoint = DewPointOf(x);
    m_wetBulb = WetBulbOf(m_temperature, m_enthalpy, m_dewPoint);
    m_enthalpy = ShownEnthalpy(m_enthalpy);
    m_dynamicViscosity = DryAirViscosity(m_temperature);
    m_kinematicViscosity = m_dynamicViscosity * m_volume;
    return x;
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
    m_maxTemperature = Boiling();
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
        if (mode == kMoistureContentMode)
            m_humidity = RelativeHumidity(m_temperature, m_moisture);
        const double moisture = ComputeProperties();
        if (mode == kRelativeHumidityMode)
            m_moisture = moisture;
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

    if (mode == kMoistureContentMode)
        m_humidity = RelativeHumidity(temperature, m_moisture - 1e-07);
    const double moisture = ComputeProperties();
    if (mode == kRelativeHumidityMode)
        m_moisture = moisture;
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
        m_moisture = ComputeProperties();
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
