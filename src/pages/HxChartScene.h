// The h-x chart as a picture of a given size: strokes, dots and texts in
// pixels, every label placed. The chart window paints it and exports it,
// and the command line writes it as SVG; no Qt here, so all of them draw
// the same chart.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "media/HxChart.h"

struct HxPixel {
    double x = 0;
    double y = 0;  // downwards
};

struct HxRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    double Width() const { return right - left; }
    double Height() const { return bottom - top; }
    bool Contains(const HxPixel& p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
    bool Overlaps(const HxRect& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

// What each part of the drawing looks like, in drawing order.
enum class HxInk {
    Grid,
    Volume,
    Isenthalp,
    Isotherm,
    Humidity,
    Saturation,
    Frame,
    Construction,
    Process,
    Current,
    Stored,
    Title,
};

struct HxInkStyle {
    std::uint32_t rgb;  // 0xRRGGBB
    double width;       // of a line, px
    bool dashed;
    int fontSize;       // of a text, px
    bool bold;
};
const HxInkStyle& StyleOf(HxInk ink);
// The family a font for the chart's texts is looked for under.
inline constexpr const char* kHxFontFamily = "DejaVu Sans";
// A text's baseline lies this far (per px of font size) below its centre.
inline constexpr double kHxBaselineDrop = 0.35;

struct HxStroke {
    HxInk ink;
    std::vector<HxPixel> points;
};

enum class HxAlign { Left, Centre, Right };

// A text centred vertically on its anchor and aligned along its baseline,
// turned by angle degrees (clockwise on the screen) about the anchor.
struct HxText {
    HxInk ink;
    HxPixel at;
    std::string text;
    HxAlign align = HxAlign::Left;
    double angle = 0;
};

struct HxDot {
    HxInk ink;
    HxPixel at;
    double radius = 0;
};

// What the page puts on the chart: its current state (with the dew-point
// and wet-bulb constructions) and the stored initial and final states.
struct HxMarks {
    std::optional<HxState> current;  // drawn when it is air
    std::optional<HxPoint> initial;
    std::optional<HxPoint> final;

    // The points a range must hold.
    std::vector<HxPoint> Points() const;
};

// Where the chart's range lies in a picture: the plot inside margins for
// the title and the scales, moisture content to the right, the skewed
// enthalpy upwards.
class HxView {
public:
    HxView(const HxChart& chart, const HxRange& range, double width, double height);

    double Width() const { return m_width; }
    double Height() const { return m_height; }
    const HxRange& Range() const { return m_range; }
    const HxRect& Plot() const { return m_plot; }
    HxPixel ToPixel(const HxPoint& point) const;
    HxPoint ToChart(const HxPixel& pixel) const;

private:
    const HxChart& m_chart;
    HxRange m_range;
    double m_width;
    double m_height;
    HxRect m_plot;
    double m_bottom;     // skewed enthalpy at the plot's bottom, J/kg
    double m_perX;       // px per kg/kg
    double m_perJoule;   // px per J/kg
};

struct HxScene {
    double width = 0;
    double height = 0;
    HxRect plot;
    std::string title;
    // Drawn in this order: strokes, dots, texts.
    std::vector<HxStroke> strokes;
    std::vector<HxDot> dots;
    std::vector<HxText> texts;
};

// The lines of the chart (HxChart::Lines of the view's range) clipped to
// the plot, the scales, the page's marks, and the labels that find room.
HxScene BuildHxScene(const HxChart& chart, const std::vector<HxLine>& lines, const HxView& view,
                     const HxMarks& marks);

// The parts of a polyline inside a rectangle.
std::vector<std::vector<HxPixel>> ClipPolyline(const std::vector<HxPixel>& points, const HxRect& rect);

// The status line for the state under the pointer: t, φ, x, h and the dew
// point in the chart's units, with the separator in force; fog and points
// outside the model say so.
std::string HxStatusText(const HxState& state);

// The scene as an SVG document: coordinates with a full stop whatever the
// separator, texts as they stand.
std::string HxSceneSvg(const HxScene& scene);
