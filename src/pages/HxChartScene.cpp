#include "pages/HxChartScene.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "base/NumberText.h"
#include "base/StringTable.h"
#include "pages/AirTable.h"

namespace {

constexpr double kZeroCelsius = 273.15;  // K

// The plot's margins: the title above, the temperature scale left, the
// moisture scale below, the isenthalps' labels right.
constexpr double kMarginLeft = 46;
constexpr double kMarginTop = 34;
constexpr double kMarginRight = 40;
constexpr double kMarginBottom = 40;
// The smallest plot the margins leave, however small the picture.
constexpr double kSmallestPlot = 20;
constexpr double kTick = 5;
constexpr double kGap = 3;
// The narrowest spacing of the moisture scale's labels and of the
// temperature scale's.
constexpr double kMoistureLabelSpacing = 44;
constexpr double kTemperatureLabelSpacing = 15;
// The average advance of a character per px of font size: labels are
// kept apart by an estimate, without measuring them in a font.
constexpr double kCharWidth = 0.6;
constexpr double kLineHeight = 1.15;

constexpr double kCurrentRadius = 4.5;
constexpr double kStoredRadius = 3.5;
constexpr double kArrowLength = 11;
constexpr double kArrowHalfWidth = 4.5;

const HxInkStyle kStyles[] = {
    {0xE2E2E2, 0.6, false, 11, false},   // Grid
    {0xA57DC4, 0.6, false, 10, false},   // Volume
    {0x2E8B57, 0.7, false, 11, false},   // Isenthalp
    {0xC0392B, 0.7, false, 11, false},   // Isotherm
    {0x2C6FBB, 0.8, false, 11, false},   // Humidity
    {0x1A3A7A, 2.0, false, 11, true},    // Saturation
    {0x333333, 1.0, false, 11, false},   // Frame
    {0x333333, 1.0, true, 11, false},    // Construction
    {0xE67E22, 2.2, false, 11, false},   // Process
    {0xD0021B, 1.0, false, 11, true},    // Current
    {0x111111, 1.0, false, 13, true},    // Stored
    {0x111111, 1.0, false, 13, true},    // Title
};

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }
double Degrees(double radians) { return radians * 180 / std::numbers::pi; }

// FormatFixed that never prints "-0".
std::string Fixed(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0)
        rounded = 0;
    return FormatFixed(rounded, decimals);
}

std::string Celsius(double kelvin, int decimals) { return Fixed(kelvin - kZeroCelsius, decimals); }

std::string Filled(std::string text, std::initializer_list<std::string> args)
{
    int n = 1;
    for (const std::string& arg : args) {
        std::string key = "%";
        key += std::to_string(n++);
        const std::size_t at = text.find(key);
        if (at != std::string::npos)
            text.replace(at, key.size(), arg);
    }
    return text;
}

std::size_t Characters(const std::string& text)
{
    return std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

// The box a text covers, turned with it.
HxRect TextBox(const HxText& t)
{
    const double size = StyleOf(t.ink).fontSize;
    const double width = Characters(t.text) * size * kCharWidth;
    const double half = size * kLineHeight / 2;
    const double start = t.align == HxAlign::Left ? 0 : t.align == HxAlign::Centre ? -width / 2 : -width;
    const double c = std::cos(Radians(t.angle));
    const double s = std::sin(Radians(t.angle));
    HxRect box{t.at.x, t.at.y, t.at.x, t.at.y};
    for (double u : {start, start + width})
        for (double v : {-half, half}) {
            const double x = t.at.x + u * c - v * s;
            const double y = t.at.y + u * s + v * c;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
        }
    return box;
}

double Length(const HxPixel& a, const HxPixel& b) { return std::hypot(b.x - a.x, b.y - a.y); }

// The angle of a direction, turned to read left to right.
double Upright(double dx, double dy)
{
    double angle = Degrees(std::atan2(dy, dx));
    if (angle > 90)
        angle -= 180;
    if (angle < -90)
        angle += 180;
    return angle;
}

// Labels in order of importance: each takes its place only where it hides
// no label placed before it and stays inside the picture.
class Labels {
public:
    Labels(HxScene& scene) : m_scene(scene), m_bounds{0, 0, scene.width, scene.height} {}

    bool Place(HxText text)
    {
        const HxRect box = TextBox(text);
        if (box.left < m_bounds.left || box.top < m_bounds.top || box.right > m_bounds.right
            || box.bottom > m_bounds.bottom)
            return false;
        for (const HxRect& taken : m_taken)
            if (box.Overlaps(taken))
                return false;
        m_taken.push_back(box);
        m_scene.texts.push_back(std::move(text));
        return true;
    }
    // The first of the places offered that is free.
    bool PlaceAny(HxText text, std::initializer_list<HxPixel> places)
    {
        for (const HxPixel& at : places) {
            text.at = at;
            if (Place(text))
                return true;
        }
        return false;
    }
    void Reserve(const HxPixel& at, double radius)
    {
        m_taken.push_back({at.x - radius, at.y - radius, at.x + radius, at.y + radius});
    }

private:
    HxScene& m_scene;
    HxRect m_bounds;
    std::vector<HxRect> m_taken;
};

// A point of a polyline at a distance back from its end, with the
// direction of the line there.
bool PointBack(const std::vector<HxPixel>& line, double distance, HxPixel& at, double& dx, double& dy)
{
    for (std::size_t i = line.size(); i-- > 1;) {
        const HxPixel& a = line[i - 1];
        const HxPixel& b = line[i];
        const double length = Length(a, b);
        if (length >= distance && length > 0) {
            const double f = distance / length;
            at = {b.x - (b.x - a.x) * f, b.y - (b.y - a.y) * f};
            dx = (b.x - a.x) / length;
            dy = (b.y - a.y) / length;
            return true;
        }
        distance -= length;
    }
    return false;
}

// A label along the end of a line, inside the plot and just above it.
bool LabelAlongEnd(Labels& labels, const std::vector<HxPixel>& line, HxInk ink, const std::string& text)
{
    const double width = Characters(text) * StyleOf(ink).fontSize * kCharWidth;
    for (double back : {width / 2 + 6, width + 14, 2 * width + 24}) {
        HxPixel at;
        double dx = 0, dy = 0;
        if (!PointBack(line, back, at, dx, dy))
            return false;
        // The normal that points up the screen.
        double nx = dy, ny = -dx;
        if (ny > 0) {
            nx = -nx;
            ny = -ny;
        }
        const double lift = StyleOf(ink).fontSize * 0.7;
        if (labels.Place({ink, {at.x + nx * lift, at.y + ny * lift}, text, HxAlign::Centre, Upright(dx, dy)}))
            return true;
    }
    return false;
}

bool LabelAlongStart(Labels& labels, const std::vector<HxPixel>& line, HxInk ink, const std::string& text)
{
    return LabelAlongEnd(labels, std::vector<HxPixel>(line.rbegin(), line.rend()), ink, text);
}

// A label just past a line's end, where it stops inside the plot (on the
// saturation curve), or in the right margin where it leaves through the
// right edge.
bool LabelPastEnd(Labels& labels, const std::vector<HxPixel>& line, const HxRect& plot, HxInk ink,
                  const std::string& text)
{
    if (line.size() < 2)
        return false;
    const HxPixel end = line.back();
    const HxPixel before = line[line.size() - 2];
    const double length = Length(before, end);
    if (length <= 0)
        return false;
    const double dx = (end.x - before.x) / length;
    const double dy = (end.y - before.y) / length;
    if (std::fabs(end.x - plot.right) < 0.5)
        return labels.Place({ink, {plot.right + kGap, end.y}, text, HxAlign::Left, 0});
    if (std::fabs(end.y - plot.bottom) < 0.5 || std::fabs(end.y - plot.top) < 0.5)
        return false;
    const bool forwards = dx >= 0;
    return labels.Place({ink, {end.x + dx * kGap, end.y + dy * kGap}, text,
                         forwards ? HxAlign::Left : HxAlign::Right, Upright(dx, dy)});
}

// The step of the moisture scale, g/kg: 1, 2 or 5 x 10^n, wide enough apart.
double MoistureStep(double pixelsPerGram)
{
    for (double decade = 0.1; decade < 1e6; decade *= 10)
        for (double f : {1.0, 2.0, 5.0})
            if (f * decade * pixelsPerGram >= kMoistureLabelSpacing)
                return f * decade;
    return 1e6;
}

void AddArrow(HxScene& scene, HxInk ink, const HxPixel& from, const HxPixel& to)
{
    const double length = Length(from, to);
    if (length < 1)
        return;
    const double dx = (to.x - from.x) / length;
    const double dy = (to.y - from.y) / length;
    const double back = std::min(kArrowLength, length / 2);
    const HxPixel base{to.x - dx * back, to.y - dy * back};
    scene.strokes.push_back({ink, {from, to}});
    scene.strokes.push_back({ink,
                             {{base.x - dy * kArrowHalfWidth, base.y + dx * kArrowHalfWidth},
                              to,
                              {base.x + dy * kArrowHalfWidth, base.y - dx * kArrowHalfWidth}}});
}

void AddMarks(HxScene& scene, Labels& labels, const HxChart& chart, const HxView& view, const HxMarks& marks)
{
    const HxRect& plot = view.Plot();
    std::vector<std::pair<HxPixel, double>> dots;

    if (marks.initial && marks.final) {
        const HxPixel from = view.ToPixel(*marks.initial);
        const HxPixel to = view.ToPixel(*marks.final);
        if (plot.Contains(from) && plot.Contains(to))
            AddArrow(scene, HxInk::Process, from, to);
    }
    const struct {
        const std::optional<HxPoint>& point;
        const char* name;
    } stored[] = {{marks.initial, "1"}, {marks.final, "2"}};
    for (const auto& s : stored) {
        if (!s.point)
            continue;
        const HxPixel at = view.ToPixel(*s.point);
        if (!plot.Contains(at))
            continue;
        scene.dots.push_back({HxInk::Stored, at, kStoredRadius});
        labels.PlaceAny({HxInk::Stored, at, s.name, HxAlign::Left, 0},
                        {{at.x + 6, at.y - 9}, {at.x - 14, at.y - 9}, {at.x + 6, at.y + 9}, {at.x - 14, at.y + 9}});
        labels.Reserve(at, kStoredRadius + 1);
    }

    if (marks.current && marks.current->where == HxWhere::Air) {
        const HxState& s = *marks.current;
        const HxPixel at = view.ToPixel({s.moisture, s.enthalpy});
        if (plot.Contains(at)) {
            // Down at the moisture content to the dew point; along the
            // isenthalp to the wet bulb.
            const struct {
                double temperature;
                HxPoint end;
                int text;
            } constructions[] = {
                {s.dewPoint, {s.moisture, CPowietrze::EnthalpyOf(s.dewPoint, s.moisture)}, kIdsChartDewPoint},
                {s.wetBulb, {chart.SaturatedPoint(s.wetBulb).x, s.enthalpy}, kIdsChartWetBulb},
            };
            for (const auto& c : constructions) {
                if (!(c.temperature > 0))
                    continue;
                const HxPixel end = view.ToPixel(c.end);
                if (Length(at, end) < 1 || !plot.Contains(end))
                    continue;
                scene.strokes.push_back({HxInk::Construction, {at, end}});
                const std::string text = Filled(LoadText(c.text), {Celsius(c.temperature, 1)});
                labels.PlaceAny({HxInk::Construction, end, text, HxAlign::Left, 0},
                                {{end.x + 7, end.y + 9}, {end.x + 7, end.y + 22}, {end.x + 7, end.y - 2}});
            }
            scene.dots.push_back({HxInk::Current, at, kCurrentRadius});
            labels.Reserve(at, kCurrentRadius + 1);
        }
    }
}

} // namespace

const HxInkStyle& StyleOf(HxInk ink) { return kStyles[static_cast<int>(ink)]; }

std::vector<HxPoint> HxMarks::Points() const
{
    std::vector<HxPoint> points;
    if (current && current->where == HxWhere::Air)
        points.push_back({current->moisture, current->enthalpy});
    for (const auto& p : {initial, final})
        if (p)
            points.push_back(*p);
    return points;
}

HxView::HxView(const HxChart& chart, const HxRange& range, double width, double height)
    : m_chart(chart), m_range(chart.Clamped(range))
{
    const double smallestWidth = kMarginLeft + kMarginRight + kSmallestPlot;
    const double smallestHeight = kMarginTop + kMarginBottom + kSmallestPlot;
    m_width = std::isfinite(width) ? std::max(width, smallestWidth) : smallestWidth;
    m_height = std::isfinite(height) ? std::max(height, smallestHeight) : smallestHeight;
    m_plot = {kMarginLeft, kMarginTop, m_width - kMarginRight, m_height - kMarginBottom};
    // The bottom holds the lowest isotherm's saturated end, which lies a
    // little below its dry end (isotherms under 0 °C fall to the right).
    m_bottom = std::min(chart.Skewed(chart.PointOf(m_range.minTemperature, 0)),
                        chart.Skewed(chart.SaturatedPoint(m_range.minTemperature)));
    const double top = chart.Skewed(chart.PointOf(m_range.maxTemperature, 0));
    m_perX = m_plot.Width() / m_range.maxMoisture;
    m_perJoule = m_plot.Height() / (top - m_bottom);
}

HxPixel HxView::ToPixel(const HxPoint& point) const
{
    return {m_plot.left + point.x * m_perX, m_plot.bottom - (m_chart.Skewed(point) - m_bottom) * m_perJoule};
}

HxPoint HxView::ToChart(const HxPixel& pixel) const
{
    const double x = (pixel.x - m_plot.left) / m_perX;
    const double skewed = m_bottom + (m_plot.bottom - pixel.y) / m_perJoule;
    return {x, skewed + m_chart.SkewSlope() * x};
}

std::vector<std::vector<HxPixel>> ClipPolyline(const std::vector<HxPixel>& points, const HxRect& rect)
{
    std::vector<std::vector<HxPixel>> pieces;
    std::vector<HxPixel> piece;
    auto finish = [&] {
        if (piece.size() >= 2)
            pieces.push_back(std::move(piece));
        piece.clear();
    };
    for (std::size_t i = 1; i < points.size(); ++i) {
        const HxPixel a = points[i - 1];
        const HxPixel b = points[i];
        if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) {
            finish();
            continue;
        }
        // Liang-Barsky: the part t0..t1 of the segment lies inside.
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        double t0 = 0, t1 = 1;
        auto edge = [&](double p, double q) {
            if (p == 0)
                return q >= 0;
            const double t = q / p;
            if (p < 0) {
                if (t > t1)
                    return false;
                t0 = std::max(t0, t);
            } else {
                if (t < t0)
                    return false;
                t1 = std::min(t1, t);
            }
            return true;
        };
        if (!(edge(-dx, a.x - rect.left) && edge(dx, rect.right - a.x) && edge(-dy, a.y - rect.top)
              && edge(dy, rect.bottom - a.y))) {
            finish();
            continue;
        }
        if (piece.empty() || t0 > 0) {
            finish();
            piece.push_back({a.x + t0 * dx, a.y + t0 * dy});
        }
        piece.push_back({a.x + t1 * dx, a.y + t1 * dy});
        if (t1 < 1)
            finish();
    }
    finish();
    return pieces;
}

HxScene BuildHxScene(const HxChart& chart, const std::vector<HxLine>& lines, const HxView& view,
                     const HxMarks& marks)
{
    HxScene scene;
    scene.width = view.Width();
    scene.height = view.Height();
    scene.plot = view.Plot();
    const HxRect& plot = scene.plot;
    const HxRange& range = view.Range();
    scene.title = Filled(LoadText(kIdsChartTitle), {Fixed(chart.Pressure() / 100, 0)});
    Labels labels(scene);
    labels.Place({HxInk::Title, {scene.width / 2, kMarginTop / 2}, scene.title, HxAlign::Centre, 0});
    auto frame = [&] {
        scene.strokes.push_back({HxInk::Frame,
                                 {{plot.left, plot.top},
                                  {plot.right, plot.top},
                                  {plot.right, plot.bottom},
                                  {plot.left, plot.bottom},
                                  {plot.left, plot.top}}});
    };
    // A pressure the model refuses has no chart: an empty frame under the
    // title that names it.
    if (!chart.IsValid()) {
        frame();
        return scene;
    }

    // The moisture scale, with a line of constant moisture at each label.
    const double perGram = plot.Width() / (range.maxMoisture * 1000);
    const double step = MoistureStep(perGram);
    for (double k = 0; k * step <= range.maxMoisture * 1000 * (1 + 1e-9); ++k) {
        const double px = plot.left + k * step * perGram;
        if (k > 0)
            scene.strokes.push_back({HxInk::Grid, {{px, plot.bottom}, {px, plot.top}}});
        scene.strokes.push_back({HxInk::Frame, {{px, plot.bottom}, {px, plot.bottom + kTick}}});
        labels.Place({HxInk::Frame, {px, plot.bottom + kTick + 8}, FormatG(k * step), HxAlign::Centre, 0});
    }
    labels.Place({HxInk::Frame, {plot.right, plot.bottom + kTick + 24}, LoadText(kIdsChartMoistureAxis),
                  HxAlign::Right, 0});

    // The lines, clipped; the pieces kept for their labels.
    std::vector<std::pair<const HxLine*, std::vector<std::vector<HxPixel>>>> drawn;
    for (const HxLine& line : lines) {
        std::vector<HxPixel> pixels;
        pixels.reserve(line.points.size());
        for (const HxPoint& p : line.points)
            pixels.push_back(view.ToPixel(p));
        auto pieces = ClipPolyline(pixels, plot);
        const HxInk ink = line.family == HxFamily::Saturation         ? HxInk::Saturation
                          : line.family == HxFamily::RelativeHumidity ? HxInk::Humidity
                          : line.family == HxFamily::Isotherm         ? HxInk::Isotherm
                          : line.family == HxFamily::Isenthalp        ? HxInk::Isenthalp
                                                                      : HxInk::Volume;
        for (const auto& piece : pieces)
            scene.strokes.push_back({ink, piece});
        drawn.emplace_back(&line, std::move(pieces));
    }
    frame();

    AddMarks(scene, labels, chart, view, marks);

    // The temperature scale: each isotherm where it starts, at dry air.
    double lastLabel = plot.bottom + kTemperatureLabelSpacing;
    for (const auto& [line, pieces] : drawn) {
        if (line->family != HxFamily::Isotherm)
            continue;
        const HxPixel at = view.ToPixel(line->points.front());
        if (at.y < plot.top - 0.5 || at.y > plot.bottom + 0.5)
            continue;
        scene.strokes.push_back({HxInk::Frame, {{plot.left - kTick, at.y}, {plot.left, at.y}}});
        if (lastLabel - at.y < kTemperatureLabelSpacing)
            continue;
        if (labels.Place({HxInk::Isotherm, {plot.left - kTick - kGap, at.y}, Celsius(line->value, 0), HxAlign::Right, 0}))
            lastLabel = at.y;
    }
    labels.Place({HxInk::Isotherm, {plot.left - kTick - kGap, plot.top - 17}, LoadText(kIdsChartTemperatureAxis),
                  HxAlign::Right, 0});
    // The two families read off labels at their ends, named in the fog
    // below the saturation curve, which no line crosses.
    labels.Place({HxInk::Isenthalp, {plot.right - 6, plot.bottom - 12}, LoadText(kIdsChartEnthalpyAxis),
                  HxAlign::Right, 0});
    labels.Place({HxInk::Volume, {plot.right - 6, plot.bottom - 28}, LoadText(kIdsChartVolumeAxis), HxAlign::Right, 0});

    for (HxFamily family : {HxFamily::Saturation, HxFamily::RelativeHumidity, HxFamily::Isenthalp,
                            HxFamily::SpecificVolume}) {
        for (const auto& [line, pieces] : drawn) {
            if (line->family != family || pieces.empty())
                continue;
            switch (family) {
            case HxFamily::Saturation:
                LabelAlongEnd(labels, pieces.back(), HxInk::Saturation, LoadText(kIdsChartSaturation));
                break;
            case HxFamily::RelativeHumidity:
                LabelAlongEnd(labels, pieces.back(), HxInk::Humidity, Fixed(line->value, 0) + " %");
                break;
            case HxFamily::Isenthalp: {
                const std::string text = Fixed(line->value / 1000, 0);
                if (!LabelPastEnd(labels, pieces.back(), plot, HxInk::Isenthalp, text))
                    LabelAlongEnd(labels, pieces.back(), HxInk::Isenthalp, text);
                break;
            }
            default: {
                const std::string text = Fixed(line->value, 2);
                if (!LabelPastEnd(labels, pieces.back(), plot, HxInk::Volume, text))
                    LabelAlongStart(labels, pieces.front(), HxInk::Volume, text);
                break;
            }
            }
        }
    }

    std::stable_sort(scene.strokes.begin(), scene.strokes.end(),
                     [](const HxStroke& a, const HxStroke& b) { return a.ink < b.ink; });
    return scene;
}

std::string HxStatusText(const HxState& s)
{
    switch (s.where) {
    case HxWhere::Air: {
        const std::string dew =
            s.dewPoint > 0 ? Celsius(s.dewPoint, 1) : "< " + Celsius(kAirLowestSaturation, 0);
        return Filled(LoadText(kIdsChartState), {Celsius(s.temperature, 1), Fixed(s.humidity, 1),
                                                 Fixed(s.moisture * 1000, 2), Fixed(s.enthalpy / 1000, 1), dew});
    }
    case HxWhere::Fog:
        return Filled(LoadText(kIdsChartFog), {Celsius(s.temperature, 1), Fixed(s.moisture * 1000, 2)});
    default:
        return LoadText(kIdsChartOutside);
    }
}

namespace {

// Machine numbers: a full stop, whatever the user's separator.
class FullStop {
public:
    FullStop() : m_kept(DecimalSeparator()) { SetDecimalSeparator('.'); }
    ~FullStop() { SetDecimalSeparator(m_kept); }
    FullStop(const FullStop&) = delete;
    FullStop& operator=(const FullStop&) = delete;

private:
    char m_kept;
};

std::string Colour(std::uint32_t rgb)
{
    const char* digits = "0123456789abcdef";
    std::string text = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        text += digits[(rgb >> shift) & 0xF];
    return text;
}

std::string Escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string N(double value) { return FormatFixed(value, 2); }

// One attribute, ` name="value"`.
void Attribute(std::string& svg, const char* name, const std::string& value)
{
    svg += ' ';
    svg += name;
    svg += "=\"";
    svg += value;
    svg += '"';
}

} // namespace

std::string HxSceneSvg(const HxScene& scene)
{
    const FullStop machine;
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg";
    Attribute(svg, "xmlns", "http://www.w3.org/2000/svg");
    Attribute(svg, "version", "1.1");
    Attribute(svg, "width", N(scene.width));
    Attribute(svg, "height", N(scene.height));
    Attribute(svg, "viewBox", "0 0 " + N(scene.width) + ' ' + N(scene.height));
    svg += ">\n<title>";
    svg += Escaped(scene.title);
    svg += "</title>\n<rect";
    Attribute(svg, "width", N(scene.width));
    Attribute(svg, "height", N(scene.height));
    Attribute(svg, "fill", "#ffffff");
    svg += "/>\n";
    for (const HxStroke& stroke : scene.strokes) {
        const HxInkStyle& style = StyleOf(stroke.ink);
        svg += "<polyline";
        Attribute(svg, "fill", "none");
        Attribute(svg, "stroke", Colour(style.rgb));
        Attribute(svg, "stroke-width", N(style.width));
        Attribute(svg, "stroke-linejoin", "round");
        Attribute(svg, "stroke-linecap", "round");
        if (style.dashed)
            Attribute(svg, "stroke-dasharray", "5 3");
        std::string points;
        for (const HxPixel& p : stroke.points) {
            if (!points.empty())
                points += ' ';
            points += N(p.x);
            points += ',';
            points += N(p.y);
        }
        Attribute(svg, "points", points);
        svg += "/>\n";
    }
    for (const HxDot& dot : scene.dots) {
        svg += "<circle";
        Attribute(svg, "cx", N(dot.at.x));
        Attribute(svg, "cy", N(dot.at.y));
        Attribute(svg, "r", N(dot.radius));
        Attribute(svg, "fill", Colour(StyleOf(dot.ink).rgb));
        Attribute(svg, "stroke", "#ffffff");
        Attribute(svg, "stroke-width", "1");
        svg += "/>\n";
    }
    for (const HxText& text : scene.texts) {
        const HxInkStyle& style = StyleOf(text.ink);
        svg += "<text";
        Attribute(svg, "x", N(text.at.x));
        Attribute(svg, "y", N(text.at.y + style.fontSize * kHxBaselineDrop));
        Attribute(svg, "font-family", std::string(kHxFontFamily) + ", sans-serif");
        Attribute(svg, "font-size", N(style.fontSize));
        Attribute(svg, "fill", Colour(style.rgb));
        Attribute(svg, "text-anchor",
                  text.align == HxAlign::Left ? "start" : text.align == HxAlign::Centre ? "middle" : "end");
        if (style.bold)
            Attribute(svg, "font-weight", "bold");
        if (text.angle != 0)
            Attribute(svg, "transform", "rotate(" + N(text.angle) + ' ' + N(text.at.x) + ' ' + N(text.at.y) + ')');
        svg += '>';
        svg += Escaped(text.text);
        svg += "</text>\n";
    }
    svg += "</svg>\n";
    return svg;
}
