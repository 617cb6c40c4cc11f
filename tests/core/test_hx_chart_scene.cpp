// The h-x chart as a picture: clipping, the mapping to pixels, the page's
// marks and constructions, the labels, the status line and the SVG text.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <regex>
#include <sstream>
#include <set>
#include <string>

#include "SeparatorTest.h"
#include "pages/HxChartScene.h"

namespace {

constexpr double kC = 273.15;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using Piece = std::vector<HxPixel>;

void ExpectPixel(const HxPixel& actual, double x, double y)
{
    EXPECT_NEAR(actual.x, x, 1e-9);
    EXPECT_NEAR(actual.y, y, 1e-9);
}

TEST(HxClip, InsideOutsideAndAcross)
{
    const HxRect r{0, 0, 10, 10};
    const auto inside = ClipPolyline({{1, 1}, {5, 5}, {9, 2}}, r);
    ASSERT_EQ(inside.size(), 1u);
    ASSERT_EQ(inside[0].size(), 3u);
    ExpectPixel(inside[0][2], 9, 2);

    EXPECT_TRUE(ClipPolyline({{-5, -5}, {-1, 20}, {20, 20}}, r).empty());
    EXPECT_TRUE(ClipPolyline({{5, 5}}, r).empty());

    // Out through the right edge, back in through the top, out at the left.
    const auto pieces = ClipPolyline({{5, 5}, {15, 5}, {15, -5}, {5, 5}, {-5, 5}}, r);
    ASSERT_EQ(pieces.size(), 2u);
    ASSERT_EQ(pieces[0].size(), 2u);
    ExpectPixel(pieces[0][1], 10, 5);
    ASSERT_EQ(pieces[1].size(), 3u);
    ExpectPixel(pieces[1][0], 10, 0);
    ExpectPixel(pieces[1][1], 5, 5);
    ExpectPixel(pieces[1][2], 0, 5);

    // A segment crossing the whole rectangle, corner to corner beyond it.
    const auto diagonal = ClipPolyline({{-10, -10}, {20, 20}}, r);
    ASSERT_EQ(diagonal.size(), 1u);
    ExpectPixel(diagonal[0][0], 0, 0);
    ExpectPixel(diagonal[0][1], 10, 10);

    // A point that is no number breaks the line; nothing is drawn to it.
    const auto broken = ClipPolyline({{1, 1}, {2, 2}, {kNaN, 3}, {4, 4}, {5, 5}}, r);
    ASSERT_EQ(broken.size(), 2u);
    ExpectPixel(broken[0][1], 2, 2);
    ExpectPixel(broken[1][0], 4, 4);
}

class HxSceneTest : public ::testing::Test {
protected:
    HxChart chart{100000};
    HxMarks marks;

    HxScene Build(double width = 900, double height = 700)
    {
        const HxRange range = chart.DefaultRange(marks.Points());
        const HxView view(chart, range, width, height);
        return BuildHxScene(chart, chart.Lines(range), view, marks);
    }
    HxView View(double width = 900, double height = 700)
    {
        return HxView(chart, chart.DefaultRange(marks.Points()), width, height);
    }
};

TEST_F(HxSceneTest, TheViewMapsTheRangeOntoThePlotBothWays)
{
    const HxView view = View();
    const HxRect& plot = view.Plot();
    EXPECT_GT(plot.Width(), 700);
    EXPECT_GT(plot.Height(), 550);
    // Dry air at the top temperature is the top left corner; the saturated
    // end of the lowest isotherm lies on the bottom edge.
    ExpectPixel(view.ToPixel(chart.PointOf(kC + 50, 0)), plot.left, plot.top);
    EXPECT_NEAR(view.ToPixel(chart.SaturatedPoint(kC - 20)).y, plot.bottom, 1e-9);
    EXPECT_NEAR(view.ToPixel({0.030, 0}).x, plot.right, 1e-9);
    // The 0 °C isotherm is level.
    EXPECT_NEAR(view.ToPixel(chart.PointOf(kC, 0)).y, view.ToPixel(chart.SaturatedPoint(kC)).y, 1e-9);
    // Isenthalps fall to the right.
    EXPECT_GT(view.ToPixel({0.02, 40e3}).y, view.ToPixel({0.0, 40e3}).y);
    for (double t : {-15.0, 3.0, 21.0, 44.0}) {
        const HxPoint p = chart.PointOf(kC + t, 40);
        const HxPoint back = view.ToChart(view.ToPixel(p));
        EXPECT_NEAR(back.x, p.x, 1e-12);
        EXPECT_NEAR(back.h, p.h, 1e-6);
    }
    // However small the picture, the plot keeps a size.
    const HxView tiny = View(0, kNaN);
    EXPECT_GT(tiny.Plot().Width(), 0);
    EXPECT_GT(tiny.Plot().Height(), 0);
}

TEST_F(HxSceneTest, LinesStayInThePlotAndLabelsInThePictureWithoutOverlapping)
{
    marks.current = chart.StateAt(chart.PointOf(kC + 24, 45));
    marks.initial = chart.PointOf(kC + 5, 80);
    marks.final = chart.PointOf(kC + 22, 30);
    for (auto [width, height] : {std::pair{900.0, 700.0}, std::pair{400.0, 300.0}, std::pair{1600.0, 1200.0}}) {
        const HxScene scene = Build(width, height);
        const HxRect& plot = scene.plot;
        for (const HxStroke& stroke : scene.strokes) {
            ASSERT_GE(stroke.points.size(), 2u);
            for (const HxPixel& p : stroke.points) {
                EXPECT_GE(p.x, 0);
                EXPECT_LE(p.x, width);
                EXPECT_GE(p.y, 0);
                EXPECT_LE(p.y, height);
                if (stroke.ink != HxInk::Frame) {
                    EXPECT_TRUE(HxRect({plot.left - 1e-6, plot.top - 1e-6, plot.right + 1e-6, plot.bottom + 1e-6})
                                    .Contains(p));
                }
            }
        }
        // Drawn in order: under the marks, the faint lines first.
        for (std::size_t i = 1; i < scene.strokes.size(); ++i)
            EXPECT_LE(scene.strokes[i - 1].ink, scene.strokes[i].ink);
        // No two labels on top of each other: compare rough extents of
        // unrotated texts, which the estimate never understates by half.
        for (std::size_t i = 0; i < scene.texts.size(); ++i) {
            EXPECT_FALSE(scene.texts[i].text.empty());
            for (std::size_t j = 0; j < i; ++j) {
                const HxText& a = scene.texts[i];
                const HxText& b = scene.texts[j];
                if (a.angle != 0 || b.angle != 0 || a.align != HxAlign::Left || b.align != HxAlign::Left)
                    continue;
                const bool apart = std::fabs(a.at.y - b.at.y) >= 8 || a.at.x >= b.at.x + 3 * b.text.size()
                                   || b.at.x >= a.at.x + 3 * a.text.size();
                EXPECT_TRUE(apart) << a.text << " / " << b.text;
            }
        }
    }
}

TEST_F(HxSceneTest, EveryFamilyIsLabelled)
{
    const HxScene scene = Build();
    std::set<std::string> temperatures, humidities;
    std::map<HxInk, int> perInk;
    for (const HxText& t : scene.texts) {
        ++perInk[t.ink];
        if (t.ink == HxInk::Isotherm)
            temperatures.insert(t.text);
        if (t.ink == HxInk::Humidity)
            humidities.insert(t.text);
    }
    // The temperature scale: every isotherm of -20 to 50 °C at 700 px.
    for (int t = -20; t <= 50; t += 5)
        EXPECT_TRUE(temperatures.count(std::to_string(t))) << t;
    EXPECT_TRUE(temperatures.count("t, °C"));
    EXPECT_GE(humidities.size(), 6u);
    EXPECT_TRUE(humidities.count("10 %"));
    EXPECT_EQ(perInk[HxInk::Saturation], 1);
    EXPECT_GE(perInk[HxInk::Isenthalp], 8);
    EXPECT_GE(perInk[HxInk::Volume], 4);
    EXPECT_EQ(scene.title, "Wykres h-x powietrza wilgotnego, p = 1000 hPa");
}

TEST_F(HxSceneTest, TheCurrentStateWithItsConstructionsAndTheProcess)
{
    const HxState state = chart.StateAt(chart.PointOf(kC + 24, 45));
    marks.current = state;
    const HxScene alone = Build();
    const HxView view = View();
    ASSERT_EQ(alone.dots.size(), 1u);
    EXPECT_EQ(alone.dots[0].ink, HxInk::Current);
    ExpectPixel(alone.dots[0].at, view.ToPixel({state.moisture, state.enthalpy}).x,
                view.ToPixel({state.moisture, state.enthalpy}).y);

    std::vector<const HxStroke*> constructions;
    for (const HxStroke& s : alone.strokes)
        if (s.ink == HxInk::Construction)
            constructions.push_back(&s);
    ASSERT_EQ(constructions.size(), 2u);
    // The dew point: straight down at the state's moisture content, to the
    // saturation curve at the dew point.
    const Piece& dew = constructions[0]->points;
    EXPECT_NEAR(dew[1].x, dew[0].x, 1e-9);
    const HxPoint dewEnd = view.ToChart(dew[1]);
    EXPECT_NEAR(chart.TemperatureAt(dewEnd), state.dewPoint, 1e-6);
    EXPECT_NEAR(chart.StateAt({dewEnd.x * (1 - 1e-6), dewEnd.h}).humidity, 100, 0.01);
    // The wet bulb: along the state's isenthalp to the curve.
    const HxPoint wetEnd = view.ToChart(constructions[1]->points[1]);
    EXPECT_NEAR(wetEnd.h, state.enthalpy, 1e-6);
    EXPECT_NEAR(chart.TemperatureAt(wetEnd), state.wetBulb, 0.02);
    int constructionTexts = 0;
    for (const HxText& t : alone.texts)
        constructionTexts += t.ink == HxInk::Construction;
    EXPECT_EQ(constructionTexts, 2);

    // Fog or a state outside the model is no state: nothing is drawn.
    const double wet = chart.SaturatedPoint(kC + 10).x + 0.005;
    marks.current = chart.StateAt({wet, CPowietrze::EnthalpyOf(kC + 10, wet)});
    ASSERT_EQ(marks.current->where, HxWhere::Fog);
    EXPECT_TRUE(Build().dots.empty());

    // The stored states and the process between them, with its arrow head.
    marks.current.reset();
    marks.initial = chart.PointOf(kC + 5, 80);
    const HxScene one = Build();
    ASSERT_EQ(one.dots.size(), 1u);
    for (const HxStroke& s : one.strokes)
        EXPECT_NE(s.ink, HxInk::Process);
    marks.final = chart.PointOf(kC + 22, 30);
    const HxScene both = Build();
    std::vector<std::string> names;
    for (const HxText& t : both.texts)
        if (t.ink == HxInk::Stored)
            names.push_back(t.text);
    EXPECT_EQ(names, (std::vector<std::string>{"1", "2"}));
    std::vector<const HxStroke*> process;
    for (const HxStroke& s : both.strokes)
        if (s.ink == HxInk::Process)
            process.push_back(&s);
    ASSERT_EQ(process.size(), 2u);
    const HxPixel to = View().ToPixel(*marks.final);
    ExpectPixel(process[0]->points[0], View().ToPixel(*marks.initial).x, View().ToPixel(*marks.initial).y);
    ExpectPixel(process[0]->points[1], to.x, to.y);
    ExpectPixel(process[1]->points[1], to.x, to.y);  // the head's tip
}

TEST_F(HxSceneTest, TheRangeFollowsTheMarks)
{
    marks.final = chart.PointOf(kC + 62, 30);
    const HxScene scene = Build();
    const HxView view = View();
    EXPECT_DOUBLE_EQ(view.Range().maxTemperature, kC + 70);
    EXPECT_TRUE(scene.plot.Contains(view.ToPixel(*marks.final)));
    ASSERT_EQ(scene.dots.size(), 1u);
}

TEST(HxSceneInvalid, ARefusedPressureGivesAnEmptyFrameAndNoState)
{
    const HxChart chart(90000);
    HxMarks marks;
    marks.current = HxChart(100000).StateAt(HxChart(100000).PointOf(kC + 20, 50));
    marks.initial = HxPoint{0.01, 40e3};
    const HxRange range = chart.DefaultRange(marks.Points());
    const HxView view(chart, range, 900, 700);
    const HxScene scene = BuildHxScene(chart, chart.Lines(range), view, marks);
    EXPECT_EQ(scene.title, "Wykres h-x powietrza wilgotnego, p = 900 hPa");
    ASSERT_EQ(scene.strokes.size(), 1u);
    EXPECT_EQ(scene.strokes[0].ink, HxInk::Frame);
    EXPECT_TRUE(scene.dots.empty());
    EXPECT_EQ(chart.StateAt(view.ToChart({450, 350})).where, HxWhere::Outside);
}

class HxTexts : public UnderSeparator {};

TEST_P(HxTexts, StatusLine)
{
    const HxChart chart(100000);
    const HxState s = chart.StateAt(chart.PointOf(kC + 20, 50));
    EXPECT_EQ(HxStatusText(s), WithSep("t = 20.0 °C    φ = 50.0 %    x = 7.36 g/kg    h = 38.8 kJ/kg    "
                                       "punkt rosy 9.3 °C"));
    // Very dry air has no dew point within the saturation line; no "-0".
    const HxState dry = chart.StateAt(chart.PointOf(kC - 10, 20));
    EXPECT_EQ(HxStatusText(dry), WithSep("t = -10.0 °C    φ = 20.0 %    x = 0.36 g/kg    h = -9.2 kJ/kg    "
                                         "punkt rosy < -20 °C"));
    const HxState zero = chart.StateAt(chart.PointOf(kC - 0.01, 30));
    EXPECT_EQ(HxStatusText(zero).rfind(WithSep("t = 0.0 °C "), 0), 0u);

    const HxPoint saturated = chart.SaturatedPoint(kC + 20);
    const HxPoint fog{saturated.x + 0.002, CPowietrze::EnthalpyOf(kC + 20, saturated.x + 0.002)};
    EXPECT_EQ(HxStatusText(chart.StateAt(fog)),
              WithSep("t = 20.0 °C    x = 16.89 g/kg: poniżej krzywej nasycenia (mgła), poza zakresem modelu"));
    EXPECT_EQ(HxStatusText(chart.StateAt({-0.001, 0})), "Poza zakresem modelu");
}

TEST_P(HxTexts, SvgNumbersTakeAFullStopTextsTheSeparator)
{
    const HxChart chart(101300);
    HxMarks marks;
    marks.current = chart.StateAt(chart.PointOf(kC + 24.3, 45));
    const HxRange range = chart.DefaultRange(marks.Points());
    const HxView view(chart, range, 900.5, 700);
    HxScene scene = BuildHxScene(chart, chart.Lines(range), view, marks);
    scene.texts.push_back({HxInk::Frame, {10, 10}, "a<b & \"c\"", HxAlign::Left, 0});
    const std::string svg = HxSceneSvg(scene);
    EXPECT_EQ(DecimalSeparator(), sep());  // restored
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"", 0), 0u);
    EXPECT_NE(svg.find("width=\"900.50\" height=\"700.00\" viewBox=\"0 0 900.50 700.00\""), std::string::npos);
    EXPECT_NE(svg.find("<title>Wykres h-x powietrza wilgotnego, p = 1013 hPa</title>"), std::string::npos);
    EXPECT_NE(svg.find(">a&lt;b &amp; &quot;c&quot;</text>"), std::string::npos);
    EXPECT_NE(svg.find(WithSep(">punkt rosy ")), std::string::npos);
    EXPECT_NE(svg.find("stroke-dasharray"), std::string::npos);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    // Every coordinate pair is "x.xx,y.yy", whatever the separator.
    int pairs = 0;
    const std::regex number("-?[0-9]+\\.[0-9]{2}");
    for (std::size_t at = svg.find(" points=\""); at != std::string::npos; at = svg.find(" points=\"", at + 1)) {
        const std::size_t begin = at + 9;
        std::istringstream points(svg.substr(begin, svg.find('"', begin) - begin));
        std::string pair;
        while (points >> pair) {
            const std::size_t comma = pair.find(',');
            ASSERT_NE(comma, std::string::npos) << pair;
            EXPECT_TRUE(std::regex_match(pair.substr(0, comma), number)) << pair;
            EXPECT_TRUE(std::regex_match(pair.substr(comma + 1), number)) << pair;
            ++pairs;
        }
    }
    EXPECT_GT(pairs, 500);
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, HxTexts, ::testing::Values('.', ','));

} // namespace
