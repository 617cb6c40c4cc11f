#include "media/HxChart.h"

#include <algorithm>
#include <cmath>

#include "media/Messages.h"

namespace {

constexpr double kZeroCelsius = 273.15;  // K
// The saturation line gives a pressure from here up; below it the model
// has no dew point and no saturated air.
constexpr double kLowestTemperature = 253.15;  // K

// The usual chart.
constexpr double kDefaultTop = kZeroCelsius + 50;  // K
constexpr double kDefaultMoisture = 0.030;         // kg/kg
// Steps the range widens by to hold a point, and the room kept around it.
constexpr double kWidenTemperature = 5;     // K
constexpr double kWidenMoisture = 0.005;    // kg/kg
constexpr double kRoomTemperature = 2;      // K
constexpr double kRoomMoisture = 0.001;     // kg/kg
constexpr double kNarrowestTemperature = 1; // K
constexpr double kNarrowestMoisture = 0.001;// kg/kg
// The widest range: 100 kg of vapour per kg of dry air is air in name only,
// and a point further out (a stored state of all vapour) lies off the
// chart rather than stretching its scale past what a double can step.
constexpr double kWidestMoisture = 100;     // kg/kg

// Humidity curves bend gently: a point every half kelvin is well under a
// pixel off the curve at any size the window takes.
constexpr double kCurveStep = 0.5;   // K
constexpr int kVolumeLinePoints = 16;
constexpr int kSolverPasses = 80;

// Rounding in the last digits must not put a point of the saturation curve
// or of the range's lowest isotherm outside the model.
constexpr double kEdgeTolerance = 1e-9;  // relative

// What a click resolves.
constexpr double kPickTemperature = 0.1;  // K
constexpr double kPickHumidity = 0.1;     // %
constexpr double kPickMoisture = 1e-5;    // kg/kg

double RoundTo(double value, double step) { return std::round(value / step) * step; }

// The step of a family, widened through 1, 2, 5 x 10^n until the range
// holds at most the given number of lines.
double Spacing(double step, double span, int most)
{
    const double factors[] = {1, 2, 5};
    for (double decade = 1; decade < 1e9; decade *= 10)
        for (double f : factors)
            if (span / (step * f * decade) <= most)
                return step * f * decade;
    return span;
}

// The multiples of step in [lo, hi].
std::vector<double> Multiples(double lo, double hi, double step)
{
    std::vector<double> values;
    const double first = std::ceil(lo / step - 1e-9);
    const double last = std::floor(hi / step + 1e-9);
    for (double k = first; k <= last; ++k)
        values.push_back(k * step);
    return values;
}

} // namespace

HxState HxStateOf(const CPowietrze& air)
{
    HxState s;
    if (!(air.GetSpecificVolume() > 0))
        return s;
    s.where = HxWhere::Air;
    s.temperature = air.GetTemperature();
    s.humidity = air.GetRelativeHumidity();
    s.moisture = air.GetMoistureContent();
    s.enthalpy = air.GetEnthalpy();
    s.dewPoint = air.GetDewPoint();
    s.wetBulb = air.GetWetBulbTemperature();
    return s;
}

HxChart::HxChart(double pressure)
{
    m_valid = std::isfinite(pressure)
              && m_air.SetBarometricPressure(pressure, CPowietrze::kRelativeHumidityMode) == kMsgNone;
    m_minTemperature = kLowestTemperature;
    m_maxTemperature = m_valid ? m_air.GetMaxTemperature() : kLowestTemperature;
    m_skew = CPowietrze::EnthalpyOf(kZeroCelsius, 1) - CPowietrze::EnthalpyOf(kZeroCelsius, 0);
}

template <class F>
double HxChart::Solve(F f, double target, double lo, double hi)
{
    for (int i = 0; i < kSolverPasses && hi - lo > 1e-12 * std::max(1.0, std::fabs(hi)); ++i) {
        const double mid = 0.5 * (lo + hi);
        if (f(mid) < target)
            lo = mid;
        else
            hi = mid;
    }
    return 0.5 * (lo + hi);
}

HxRange HxChart::Clamped(const HxRange& range) const
{
    HxRange r = range;
    if (!(r.minTemperature >= m_minTemperature))
        r.minTemperature = m_minTemperature;
    if (!(r.maxTemperature <= m_maxTemperature))
        r.maxTemperature = m_maxTemperature;
    r.minTemperature = std::min(r.minTemperature, m_maxTemperature - kNarrowestTemperature);
    if (!(r.maxTemperature >= r.minTemperature + kNarrowestTemperature))
        r.maxTemperature = std::min(r.minTemperature + kNarrowestTemperature, m_maxTemperature);
    if (!std::isfinite(r.maxMoisture))
        r.maxMoisture = kDefaultMoisture;
    else if (r.maxMoisture < kNarrowestMoisture)
        r.maxMoisture = kNarrowestMoisture;
    else if (r.maxMoisture > kWidestMoisture)
        r.maxMoisture = kWidestMoisture;
    return r;
}

HxRange HxChart::DefaultRange(std::span<const HxPoint> points) const
{
    HxRange r{m_minTemperature, kDefaultTop, kDefaultMoisture};
    for (const HxPoint& p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.h) || p.x < 0)
            continue;
        if (p.x + kRoomMoisture > r.maxMoisture)
            r.maxMoisture = std::ceil((p.x + kRoomMoisture) / kWidenMoisture) * kWidenMoisture;
        // The top edge is the isotherm's height at the left edge: air at
        // the point's skewed height there.
        const double top = TemperatureAt({0, Skewed(p)}) + kRoomTemperature;
        if (top > r.maxTemperature)
            r.maxTemperature =
                kZeroCelsius + std::ceil((top - kZeroCelsius) / kWidenTemperature) * kWidenTemperature;
    }
    return Clamped(r);
}

HxPoint HxChart::PointOf(double temperature, double humidity) const
{
    return {m_air.MoistureContent(temperature, humidity), m_air.Enthalpy(temperature, humidity)};
}

double HxChart::TemperatureAt(const HxPoint& point) const
{
    // The enthalpy is affine in the temperature at a given moisture content.
    const double at0 = CPowietrze::EnthalpyOf(kZeroCelsius, point.x);
    const double perKelvin = CPowietrze::EnthalpyOf(kZeroCelsius + 1, point.x) - at0;
    return kZeroCelsius + (point.h - at0) / perKelvin;
}

HxState HxChart::StateAt(const HxPoint& point) const
{
    HxState s;
    if (!m_valid || !std::isfinite(point.x) || !std::isfinite(point.h) || point.x < 0)
        return s;
    const double found = TemperatureAt(point);
    s.temperature = found;
    s.moisture = point.x;
    s.enthalpy = point.h;
    const double slack = kEdgeTolerance * m_maxTemperature;
    if (!(found >= m_minTemperature - slack && found <= m_maxTemperature + slack))
        return s;
    const double temperature = std::clamp(found, m_minTemperature, m_maxTemperature);
    s.temperature = temperature;
    if (point.x > m_air.MoistureContent(temperature, 100) * (1 + kEdgeTolerance)) {
        s.where = HxWhere::Fog;
        return s;
    }
    s.where = HxWhere::Air;
    s.humidity = m_air.RelativeHumidity(temperature, point.x);
    s.dewPoint = m_air.DewPoint(temperature, s.humidity);
    s.wetBulb = m_air.WetBulbTemperature(temperature, s.humidity);
    return s;
}

HxPick HxChart::PickAt(const HxPoint& point) const
{
    HxPick pick;
    const HxState s = StateAt(point);
    if (s.where != HxWhere::Air)
        return pick;
    const double temperature = std::clamp(kZeroCelsius + RoundTo(s.temperature - kZeroCelsius, kPickTemperature),
                                          m_minTemperature, m_maxTemperature);
    const double saturated = m_air.MoistureContent(temperature, 100);
    pick.accepted = true;
    pick.temperature = temperature;
    pick.humidity = std::clamp(RoundTo(s.humidity, kPickHumidity), 0.0, 100.0);
    // The page's moisture setter takes 1e-07 kg/kg off what it is given:
    // the least it accepts is above 0.
    double moisture = RoundTo(s.moisture, kPickMoisture);
    if (moisture > saturated)
        moisture = std::floor(saturated / kPickMoisture) * kPickMoisture;
    pick.moisture = std::max(moisture, kPickMoisture);
    return pick;
}

std::vector<HxLine> HxChart::Lines(const HxRange& range) const
{
    std::vector<HxLine> lines;
    if (!m_valid)
        return lines;
    const HxRange r = Clamped(range);

    AddHumidityLine(lines, 100, r);
    for (double humidity : Multiples(kHumidityStep, 100 - kHumidityStep, kHumidityStep))
        AddHumidityLine(lines, humidity, r);

    for (double t : Multiples(r.minTemperature - kZeroCelsius, r.maxTemperature - kZeroCelsius, kIsothermStep))
        AddIsotherm(lines, kZeroCelsius + t, r);

    // From the bottom left corner to the top right one.
    const double lowest = CPowietrze::EnthalpyOf(r.minTemperature, 0);
    const double highest = CPowietrze::EnthalpyOf(r.maxTemperature, 0) + m_skew * r.maxMoisture;
    const double enthalpyStep = Spacing(kIsenthalpStep, highest - lowest, kMostLinesOfAFamily);
    for (double h : Multiples(lowest, highest, enthalpyStep))
        AddIsenthalp(lines, h, r);

    const double smallest = m_air.SpecificVolumeOf(r.minTemperature, 0);
    const double largest = m_air.SpecificVolumeOf(r.maxTemperature, r.maxMoisture);
    const double volumeStep = Spacing(kVolumeStep, largest - smallest, kMostLinesOfAFamily);
    for (double v : Multiples(smallest, largest, volumeStep))
        AddVolumeLine(lines, v, r);
    return lines;
}

void HxChart::AddHumidityLine(std::vector<HxLine>& lines, double humidity, const HxRange& r) const
{
    HxLine line{humidity == 100 ? HxFamily::Saturation : HxFamily::RelativeHumidity, humidity, {}};
    const int steps = static_cast<int>(std::ceil((r.maxTemperature - r.minTemperature) / kCurveStep));
    double previous = r.minTemperature;
    for (int i = 0; i <= steps; ++i) {
        const double temperature = std::min(r.minTemperature + i * kCurveStep, r.maxTemperature);
        const HxPoint p = PointOf(temperature, humidity);
        if (!(p.x <= r.maxMoisture)) {
            // End on the right edge.
            const double edge = Solve([&](double t) { return m_air.MoistureContent(t, humidity); }, r.maxMoisture,
                                      previous, temperature);
            line.points.push_back(PointOf(edge, humidity));
            break;
        }
        line.points.push_back(p);
        previous = temperature;
    }
    lines.push_back(std::move(line));
}

void HxChart::AddIsotherm(std::vector<HxLine>& lines, double temperature, const HxRange& r) const
{
    // Straight: the enthalpy is affine in the moisture content too.
    HxLine line{HxFamily::Isotherm, temperature, {PointOf(temperature, 0)}};
    if (m_air.MoistureContent(temperature, 100) <= r.maxMoisture)
        line.points.push_back(SaturatedPoint(temperature));
    else
        line.points.push_back(PointOf(temperature, m_air.RelativeHumidity(temperature, r.maxMoisture)));
    lines.push_back(std::move(line));
}

double HxChart::IsenthalpEnd(double enthalpy) const
{
    auto saturated = [&](double t) { return m_air.Enthalpy(t, 100); };
    if (enthalpy <= saturated(m_minTemperature)) {
        const double at0 = CPowietrze::EnthalpyOf(m_minTemperature, 0);
        return (enthalpy - at0) / (CPowietrze::EnthalpyOf(m_minTemperature, 1) - at0);
    }
    // Saturated air grows without bound towards the boiling temperature.
    const double temperature = Solve(saturated, enthalpy, m_minTemperature, m_maxTemperature);
    return m_air.MoistureContent(temperature, 100);
}

void HxChart::AddIsenthalp(std::vector<HxLine>& lines, double enthalpy, const HxRange& r) const
{
    const double end = std::min(IsenthalpEnd(enthalpy), r.maxMoisture);
    if (!(end > 0))
        return;
    lines.push_back({HxFamily::Isenthalp, enthalpy, {{0, enthalpy}, {end, enthalpy}}});
}

void HxChart::AddVolumeLine(std::vector<HxLine>& lines, double volume, const HxRange& r) const
{
    // The specific volume is affine in the temperature at a given moisture
    // content: the temperature of this volume at x.
    auto temperatureAt = [&](double x) {
        const double at0 = m_air.SpecificVolumeOf(0, x);
        return (volume - at0) / (m_air.SpecificVolumeOf(1, x) - at0);
    };
    const double start = temperatureAt(0);
    if (!(start >= m_minTemperature && start <= m_maxTemperature))
        return;
    // Rightwards the line cools until it meets the saturation curve.
    auto room = [&](double x) {
        const double t = temperatureAt(x);
        return t >= m_minTemperature ? m_air.MoistureContent(t, 100) - x : -x;
    };
    double end = r.maxMoisture;
    if (room(end) < 0)
        end = Solve([&](double x) { return -room(x); }, 0, 0, end);
    HxLine line{HxFamily::SpecificVolume, volume, {}};
    for (int i = 0; i <= kVolumeLinePoints; ++i) {
        const double x = end * i / kVolumeLinePoints;
        line.points.push_back({x, CPowietrze::EnthalpyOf(temperatureAt(x), x)});
    }
    lines.push_back(std::move(line));
}
