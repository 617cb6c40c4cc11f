// The h-x chart of humid air at one barometric pressure: its lines as
// points in (moisture content, enthalpy) and the state at any such point,
// all from the humid-air model's own relations, so that what the chart
// shows and what the page computes agree.
//
// The layout is the usual European one: the moisture content along the
// horizontal axis, the enthalpy skewed so that the 0 °C isotherm of
// unsaturated air is horizontal (Skewed() is the ordinate), so isenthalps
// run obliquely down to the right and the temperature reads on the left.
// Below the saturation curve lies fog, which the model does not describe.
#pragma once

#include <span>
#include <vector>

#include "media/CPowietrze.h"

struct HxPoint {
    double x = 0;  // moisture content, kg of vapour per kg of dry air
    double h = 0;  // enthalpy, J per kg of dry air
};

enum class HxFamily { Saturation, RelativeHumidity, Isotherm, Isenthalp, SpecificVolume };

struct HxLine {
    HxFamily family;
    double value;                // %, K, J/kg or m³/kg; 100 for the saturation curve
    std::vector<HxPoint> points; // from the left (lower moisture content) to the right
};

// The part of the chart drawn: the temperatures at its left edge (dry air)
// and the moisture contents from 0.
struct HxRange {
    double minTemperature = 0;  // K
    double maxTemperature = 0;  // K
    double maxMoisture = 0;     // kg/kg
};

enum class HxWhere {
    Air,      // unsaturated or saturated air: a state of the model
    Fog,      // below the saturation curve: more water than the air holds
    Outside,  // beyond the model's temperatures, a negative moisture content, no number
};

struct HxState {
    HxWhere where = HxWhere::Outside;
    double temperature = 0;  // K (also for fog, where the point has one)
    double humidity = 0;     // %
    double moisture = 0;     // kg/kg
    double enthalpy = 0;     // J/kg
    double dewPoint = 0;     // K; 0 below the saturation line's range, as the model gives it
    double wetBulb = 0;      // K
};

// The state a model holds, as the chart marks it: Outside when the model
// holds none (an accepted state always has a volume).
HxState HxStateOf(const CPowietrze& air);

// What a click at a point gives the page: the temperature and both
// humidities, rounded to what a pixel resolves (0.1 K, 0.1 %, 0.01 g/kg)
// and kept on the air side of the saturation curve, so that the model
// accepts them whichever humidity the page takes.
struct HxPick {
    bool accepted = false;
    double temperature = 0;  // K
    double humidity = 0;     // %
    double moisture = 0;     // kg/kg
};

class HxChart {
public:
    // Line spacing: isotherms every 5 K, relative humidity every 10 %,
    // isenthalps every 10 kJ/kg and specific volumes every 0.02 m³/kg, both
    // widened when a large range would crowd them.
    static constexpr double kIsothermStep = 5;            // K
    static constexpr double kHumidityStep = 10;           // %
    static constexpr double kIsenthalpStep = 10e3;        // J/kg
    static constexpr double kVolumeStep = 0.02;           // m³/kg
    static constexpr int kMostLinesOfAFamily = 40;

    // The model refuses a pressure outside 960 to 1040 hPa or not finite;
    // such a chart is not valid: it has no lines and no states.
    explicit HxChart(double pressure);

    bool IsValid() const { return m_valid; }
    double Pressure() const { return m_air.GetBarometricPressure(); }
    // The model's temperatures with a saturation line: from -20 °C to the
    // boiling temperature at the pressure.
    double MinTemperature() const { return m_minTemperature; }
    double MaxTemperature() const { return m_maxTemperature; }
    // The enthalpy per kg of vapour at 0 °C: the slope that the skew takes
    // off, so that Skewed() of the 0 °C isotherm is constant.
    double SkewSlope() const { return m_skew; }
    double Skewed(const HxPoint& point) const { return point.h - m_skew * point.x; }

    // -20 °C to 50 °C and up to 30 g/kg, widened in steps of 5 °C and
    // 5 g/kg to hold the given points, within the model's temperatures.
    HxRange DefaultRange(std::span<const HxPoint> points = {}) const;
    // The range within the model's: at least 1 K and 1 g/kg wide.
    HxRange Clamped(const HxRange& range) const;

    // Every line of the range: the saturation curve first, then the
    // relative humidities, isotherms, isenthalps and specific volumes, each
    // ending where it leaves the range's moisture contents or reaches the
    // saturation curve.
    std::vector<HxLine> Lines(const HxRange& range) const;

    // Air at a temperature and relative humidity (the model's point).
    HxPoint PointOf(double temperature, double humidity) const;
    HxPoint SaturatedPoint(double temperature) const { return PointOf(temperature, 100); }
    // The temperature at which air holding the moisture content has the
    // enthalpy; the state there.
    double TemperatureAt(const HxPoint& point) const;
    HxState StateAt(const HxPoint& point) const;
    HxPick PickAt(const HxPoint& point) const;

private:
    // The temperature in [lo, hi] at which f crosses the target; f rises.
    template <class F>
    static double Solve(F f, double target, double lo, double hi);
    void AddHumidityLine(std::vector<HxLine>& lines, double humidity, const HxRange& range) const;
    void AddIsotherm(std::vector<HxLine>& lines, double temperature, const HxRange& range) const;
    void AddIsenthalp(std::vector<HxLine>& lines, double enthalpy, const HxRange& range) const;
    void AddVolumeLine(std::vector<HxLine>& lines, double volume, const HxRange& range) const;
    // The moisture content at which the isenthalp meets the saturation
    // curve, or the lowest temperature's isotherm when it meets it below.
    double IsenthalpEnd(double enthalpy) const;

    // The model's property functions keep their saturation line's state.
    mutable CPowietrze m_air;
    bool m_valid = false;
    double m_minTemperature = 0;
    double m_maxTemperature = 0;
    double m_skew = 0;
};
