#include "media/CPara.h"

#include <cmath>

#include "media/LimitText.h"

namespace {

// Limits of the model. The critical point here (647.14 K, 22.064 MPa) is not
// the one of the saturation-pressure equation below (647.286 K, 22.089 MPa);
// each pair is used where it belongs.
constexpr double kMinTemperature = 273.15;
constexpr double kMinPressure = 610.89;
constexpr double kCriticalTemperature = 647.14;
constexpr double kCriticalPressure = 22064000;
constexpr double kSatLowTemperature = 253.1499;
constexpr double kSatLowPressure = 125.6447;
constexpr double kSuperLowTemperature = 323.3907;
constexpr double kSuperLowPressure = 12500;
constexpr double kMaxTemperature = 873.15;
constexpr double kMaxPressure = 30000000;

// Constants of the saturation-pressure equation.
constexpr double kEqCriticalTemperature = 647.286;
constexpr double kEqCriticalPressure = 22089000;
constexpr double kF[8] = {-7.419242,   0.29721,     -0.1155286,   0.008685635,
                          0.001094098, -0.00439993, 0.002520658, -0.0005218684};

// The Newton iteration from the critical temperature needs at most 16 steps
// anywhere on the line; the cap only stops a runaway, it never shortens a
// run that ends by itself.
constexpr int kMaxNewtonSteps = 200;

// S(a) = sum of F_i a^(i-1), i = 1..8, summed in that order.
double SumS(double a)
{
    double sum = 0;
    double power = 1;
    for (int i = 0; i < 8; ++i) {
        sum += kF[i] * power;
        power *= a;
    }
    return sum;
}

// S'(a) = sum of (i-1) F_i a^(i-2), i = 2..8.
double SumSlope(double a)
{
    double sum = 0;
    double power = 1;
    for (int i = 1; i < 8; ++i) {
        sum += i * kF[i] * power;
        power *= a;
    }
    return sum;
}

// ps(T) without the range rule.
double LinePressure(double temperature)
{
    const double a = 0.01 * (temperature - 338.15);
    return kEqCriticalPressure * std::exp((kEqCriticalTemperature / temperature - 1) * SumS(a));
}

bool OnPressureRelation(double temperature)
{
    return !(temperature < kSatLowTemperature || temperature > kCriticalTemperature);
}

// ps(T) without the range rule and dps/dT at any T: one exp serves both.
struct LinePoint {
    double pressure;
    double slope;
};

LinePoint PointOnLine(double temperature)
{
    const double a = 0.01 * (temperature - 338.15);
    const double s = SumS(a);
    const double exponent = kEqCriticalTemperature / temperature - 1;
    const double p = kEqCriticalPressure * std::exp(exponent * s);
    return {p, p * (exponent * 0.01 * SumSlope(a) - (kEqCriticalTemperature / (temperature * temperature)) * s)};
}

// The Newton step's correction for ps(T) = p: ps(T) - p with the range rule
// (0 outside it, not -p) over the slope.
double NewtonCorrection(double temperature, double pressure)
{
    const LinePoint point = PointOnLine(temperature);
    const double f = OnPressureRelation(temperature) ? point.pressure - pressure : 0;
    return f / point.slope;
}

// Where every Newton run starts. Computed at run time, as every later step
// is: a compiler that folded the exp of a constant could round it otherwise
// than the library does.
LinePoint StartOfNewton()
{
    volatile double critical = kCriticalTemperature;
    return PointOnLine(critical);
}

// Heat of vaporisation r(p), J/kg; its range ends at the equation's critical pressure.
double HeatOfVaporisation(double p)
{
    if (!(p >= kMinPressure && p <= kEqCriticalPressure))
        return 0;
    const double pi = p / 100000;
    const double pi2 = pi * pi;
    const double pi3 = pi2 * pi;
    const double pi4 = pi3 * pi;
    return (2502.6457660635 + 38399.255870647 * pi + 17135.195687241 * pi2 + 65.529160697507 * pi3) * 1000
           / (1 + 16.416610949954 * pi + 8.21980881063524 * pi2 + 0.08670662351525 * pi3
              - 2.65680500560466e-06 * pi4);
}

bool OnSaturationRange(double p) { return p >= kMinPressure && p <= kCriticalPressure; }

// Enthalpy of saturated steam h''(p), J/kg.
double SteamEnthalpy(double p)
{
    if (!OnSaturationRange(p))
        return 0;
    const double l = std::log(p / 100000);
    const double l2 = l * l;
    const double l3 = l2 * l;
    const double l4 = l3 * l;
    const double l5 = l4 * l;
    const double l6 = l5 * l;
    const double l7 = l6 * l;
    return 1000 * (2675.2526691774 + 44.453200996215 * l + 1.5775865139077 * l2 - 0.40973257434427 * l3
                   - 0.055052019158229 * l4 - 0.00243176720958727 * l5 - 0.0065921768523065 * l6
                   - 0.00117997327670465 * l7);
}

// Specific volume of saturated steam v''(p), m³/kg. The exponent is 18/19.
double SteamVolume(double p)
{
    if (!OnSaturationRange(p))
        return 0;
    return 1.6904329 / std::pow(p / 100000, 0.9473684210526315) + 0.0030813855;
}

// Specific volume of saturated water v'(p), m³/kg.
double WaterVolume(double p)
{
    if (!OnSaturationRange(p))
        return 0;
    return std::sqrt(p / 100000) * 3.8974177 / 100000 + 0.0010044557;
}

// How far below 273.15 K the saturation temperature of the lowest pressure
// lands: Newton's method stops within 1e-05 K, and 610.89 Pa comes out at
// 273.1499952 K. It is the same point, whose viscosity is no less real.
constexpr double kLineTemperatureSlack = 2e-05;

// Dynamic viscosity of saturated steam mu''(T), Pa s. The constant is
// 25.59e-6 as computed in double precision, one unit in the last place
// below the double nearest to 2.559e-05; keep it so.
double SteamViscosity(double t)
{
    if (!(t >= kMinTemperature - kLineTemperatureSlack && t <= kMaxTemperature))
        return 0;
    return std::sqrt(t / 273) * (2.5589999999999997e-05 / (673 / t + 1));
}

bool OnSuperheatedRange(double t, double p)
{
    return t >= kSuperLowTemperature && t <= kMaxTemperature && p >= kSuperLowPressure && p <= kMaxPressure;
}

struct Superheated {
    double enthalpy = 0;  // J/kg
    double volume = 0;    // m³/kg
    double viscosity = 0; // Pa s
};

Superheated SuperheatedProperties(double t, double p)
{
    Superheated out;
    if (!OnSuperheatedRange(t, p))
        return out;
    const double tau = t / kCriticalTemperature;
    const double pi = p / kCriticalPressure;
    const double tau2 = tau * tau;
    const double tau3 = tau2 * tau;
    const double tau4 = tau3 * tau;
    const double tau5 = tau4 * tau;
    const double tau6 = tau5 * tau;
    const double pi2 = pi * pi;
    const double pi3 = pi2 * pi;
    const double pi4 = pi3 * pi;

    out.enthalpy = 1000
                   * ((10258.8 - 20231.3 / tau + 24702.8 / tau2 - 16307.3 / tau3 + 5579.31 / tau4 - 777.285 / tau5)
                      + (817.288 / tau2 - 355.878 / tau - 845.841 / tau3) * pi - (160.276 / tau3) * pi2
                      + (443740 / tau2 - 95607.5 / tau - 767668 / tau3 + 587261 / tau4 - 167657 / tau5) * pi3
                      + (22542.8 / tau2 - 84140.2 / tau3 + 104198 / tau4 - 42886.7 / tau5) * pi4);

    const double b1 = 0.4409392 / tau - 1.386598 / tau2 + 1.380501 / tau3 - 0.7644377 / tau4;
    const double b2 = 56.40548 / tau - 297.0161 / tau2 + 617.8258 / tau3 - 634.747 / tau4 + 322.8009 / tau5
                      - 65.45004 / tau6;
    const double b3 = 149.3651 / tau - 895.0375 / tau2 + 2123.035 / tau3 - 2488.625 / tau4 + 1439.213 / tau5
                      - 327.7709 / tau6;
    const double b4 = 151.1386 - 967.3387 / tau + 2478.739 / tau2 - 3178.106 / tau3 + 2038.512 / tau4
                      - 523.2041 / tau5;
    const double z = 1 + b1 * pi + b2 * pi2 + b3 * pi3 + b4 * pi4;
    const double density = 73.874969 * pi / (z * tau);
    out.volume = density > 0 ? 1 / density : 0;

    out.viscosity = (326.46 * tau - 22.391 * tau2 - 78.034 + 6.6119 / tau2 + (65.605 / tau2 - 74.535 / tau3) * pi
                     + (124.47 / tau2 - 19.052 - 97.428 / tau3) * pi2
                     + (4910.2 / tau - 1281.1 - 6293.7 / tau2 + 2699.2 / tau3) * pi3)
                    * 0.1 * 1e-06;
    return out;
}

}  // namespace

CPara::CPara()
{
    m_minTemperature = kMinTemperature;
    m_minPressure = kMinPressure;
    m_criticalTemperature = kCriticalTemperature;
    m_criticalPressure = kCriticalPressure;
    m_satLowTemperature = kSatLowTemperature;
    m_satLowPressure = kSatLowPressure;
    m_superLowTemperature = kSuperLowTemperature;
    m_superLowPressure = kSuperLowPressure;
    m_maxTemperature = kMaxTemperature;
    m_maxPressure = kMaxPressure;
}

double CPara::PressureOnLine(double temperature)
{
    if (!std::isfinite(temperature) || !OnPressureRelation(temperature))
        return 0;
    return LinePressure(temperature);
}

double CPara::TemperatureOnLine(double pressure)
{
    if (!(pressure >= kSatLowPressure && pressure <= kCriticalPressure))
        return 0;
    // f(T) = ps(T) - p with the range rule: above 647.14 K f is 0, so a start
    // above the line stops after the second step. The first step is the same
    // for every p but for p itself.
    static const LinePoint start = StartOfNewton();
    double previous = kCriticalTemperature;
    double next = previous - (start.pressure - pressure) / start.slope;
    for (int steps = 1; std::isfinite(next) && steps < kMaxNewtonSteps; ++steps) {
        previous = next;
        next = previous - NewtonCorrection(previous, pressure);
        if (std::fabs(next - previous) * 0.5 <= 1e-05)
            break;
    }
    return next;
}

double CPara::SaturationPressure(double temperature, double offset)
{
    if (!std::isfinite(temperature) || !std::isfinite(offset))
        return 0;
    double result = 0;
    if (OnPressureRelation(temperature))
        result = LinePressure(temperature) - offset;
    if (offset == 0) {
        m_lastSatTemperature = temperature;
        m_lastSatPressure = result;
    }
    return result;
}

double CPara::SaturationTemperature(double pressure)
{
    if (!(pressure >= m_satLowPressure && pressure <= m_criticalPressure))
        return 0;
    const double temperature = TemperatureOnLine(pressure);
    m_lastSatTemperature = temperature;
    m_lastSatPressure = pressure;
    return temperature;
}

// A fit taken where it does not hold (superheated steam next to the
// critical point, or below the superheated fits' lows) gives a volume or a
// viscosity of zero or less, which no flow can use.
bool CPara::PropertiesArePhysical() const
{
    auto positive = [](double value) { return std::isfinite(value) && value > 0; };
    return positive(m_volume) && positive(m_dynamicViscosity) && positive(m_kinematicViscosity)
           && std::isfinite(m_enthalpy) && std::isfinite(m_heatOfVaporisation) && std::isfinite(m_waterVolume);
}

int CPara::RefuseUnphysicalState()
{
    ClearProperties();
    m_limitText.clear();
    return kMsgStateOutsideFits;
}

void CPara::ClearProperties()
{
    m_enthalpy = 0;
    m_volume = 0;
    m_waterVolume = 0;
    m_heatOfVaporisation = 0;
    m_dynamicViscosity = 0;
    m_kinematicViscosity = 0;
}

// Wet and saturated properties, always from the last saturation point. The
// saturated setters take h'' and v'' as they are; the wet mixture (and
// SetDryness in any regime) blends with the stored dryness.
void CPara::ComputeWetState(bool saturated)
{
    const double ps = m_lastSatPressure;
    const double r = HeatOfVaporisation(ps);
    const double waterVolume = WaterVolume(ps);
    m_heatOfVaporisation = r;
    if (saturated) {
        m_enthalpy = SteamEnthalpy(ps);
        m_volume = SteamVolume(ps);
    } else {
        m_enthalpy = SteamEnthalpy(ps) + (m_dryness - 1) * r;
        m_volume = (SteamVolume(ps) - waterVolume) * m_dryness + waterVolume;
    }
    m_waterVolume = waterVolume;
    // Wet steam takes the viscosity of saturated steam, whatever the dryness.
    m_dynamicViscosity = SteamViscosity(m_lastSatTemperature);
    m_kinematicViscosity = m_volume * m_dynamicViscosity;
}

void CPara::ComputeSuperheated()
{
    const Superheated s = SuperheatedProperties(m_temperature, m_pressure);
    m_enthalpy = s.enthalpy;
    m_volume = s.volume;
    m_dynamicViscosity = s.viscosity;
    m_waterVolume = 0;
    m_heatOfVaporisation = 0;
    m_kinematicViscosity = s.viscosity * s.volume;
}

int CPara::RefuseNonFinite()
{
    m_limitText.clear();
    return kMsgValueNotFinite;
}

int CPara::SetRegime(int regime)
{
    m_regime = regime;
    return 0;
}

int CPara::SetTemperature(double temperature)
{
    if (!std::isfinite(temperature))
        return RefuseNonFinite();
    m_limitText.clear();
    if (m_regime != kSuperheated) {
        int result = 0;
        if (temperature < m_minTemperature) {
            result = kMsgTemperatureBelowMinimum;
            m_limitText = LimitText(m_minTemperature, 8, 2, "K");
        }
        if (temperature > m_criticalTemperature) {
            result = kMsgTemperatureAboveCritical;
            m_limitText = LimitText(m_criticalTemperature, 8, 2, "K");
        }
        m_temperature = temperature;
        m_pressure = SaturationPressure(temperature, 0);
        if (m_regime == kSaturated)
            m_dryness = 1;
        // Computed also for a rejected temperature: the page shows what the
        // point below or above the range gives (mostly zeros).
        ComputeWetState(m_regime == kSaturated);
        if (result == 0 && !PropertiesArePhysical())
            return RefuseUnphysicalState();
        return result;
    }

    m_temperature = temperature;
    // Only its effect on the last saturation point counts.
    SaturationTemperature(m_pressure);
    double lowerBound;
    int pending;
    if (m_pressure < m_criticalPressure) {
        lowerBound = m_lastSatTemperature;
        pending = kMsgTemperatureBelowSaturation;
    } else {
        lowerBound = m_criticalTemperature;
        pending = kMsgTemperatureBelowCritical;
    }
    m_limitText = LimitText(lowerBound, 8, 2, "K");
    if (temperature > m_maxTemperature) {
        pending = kMsgTemperatureAboveMaximum;
        m_limitText = LimitText(m_maxTemperature, 8, 2, "K");
    }
    if (temperature >= lowerBound && temperature <= m_maxTemperature) {
        ComputeSuperheated();
        // A pressure never given or refused is no state to judge: the
        // temperature alone is in range (the pressure's setter speaks for it).
        if (m_pressure >= m_minPressure && !PropertiesArePhysical())
            return RefuseUnphysicalState();
        return 0;
    }
    ClearProperties();
    return pending;
}

int CPara::SetPressure(double pressure)
{
    if (!std::isfinite(pressure))
        return RefuseNonFinite();
    m_limitText.clear();
    if (m_regime != kSuperheated) {
        int result = 0;
        if (pressure < m_minPressure) {
            result = kMsgPressureBelowMinimum;
            m_limitText = LimitText(m_minPressure, 8, 2, "Pa");
        }
        if (pressure > m_criticalPressure) {
            result = kMsgPressureAboveCritical;
            m_limitText = LimitText(m_criticalPressure / 1000000, 8, 2, "MPa");
        }
        // 0 outside the line's range; the last saturation point then stays.
        m_temperature = SaturationTemperature(pressure);
        m_pressure = pressure;
        if (m_regime == kSaturated)
            m_dryness = 1;
        ComputeWetState(m_regime == kSaturated);
        if (result == 0 && !PropertiesArePhysical())
            return RefuseUnphysicalState();
        return result;
    }

    m_pressure = pressure;
    SaturationPressure(m_temperature, 0);
    double upperBound;
    int pending;
    if (m_temperature < m_criticalTemperature) {
        upperBound = m_lastSatPressure;
        pending = kMsgPressureAboveSaturation;
        m_limitText = LimitText(upperBound / 1000, 8, 2, "kPa");
    } else {
        upperBound = m_maxPressure;
        pending = kMsgPressureAboveMaximum;
        m_limitText = LimitText(m_maxPressure / 1000000, 8, 2, "MPa");
    }
    if (pressure < m_minPressure) {
        pending = kMsgPressureBelowMinimum;
        m_limitText = LimitText(m_minPressure, 8, 2, "Pa");
    }
    if (pressure >= m_minPressure && pressure <= upperBound) {
        ComputeSuperheated();
        if (!PropertiesArePhysical())
            return RefuseUnphysicalState();
        return 0;
    }
    ClearProperties();
    return pending;
}

int CPara::SetDryness(double dryness)
{
    if (!std::isfinite(dryness))
        return RefuseNonFinite();
    m_limitText.clear();
    if (dryness < 0 || dryness > 1) {
        ClearProperties();
        return kMsgDrynessOutOfRange;
    }
    m_dryness = dryness;
    // With the dryness as given, in the saturated regime too.
    ComputeWetState(false);
    // Judged only on a point of the line that a temperature or pressure
    // produced; before that there is no state, only zeros.
    if (OnSaturationRange(m_lastSatPressure) && !PropertiesArePhysical())
        return RefuseUnphysicalState();
    return 0;
}

int CPara::SetMassFlow(double massFlow)
{
    if (!std::isfinite(massFlow))
        return RefuseNonFinite();
    m_massFlow = massFlow;
    return 0;
}
