// The h-x chart's work without painting: its lines at a new barometric
// pressure (each step of the page's slider while the chart is open), the
// picture's layout at 900 x 700 px (each new state), the state under the
// pointer (each mouse move) and the SVG text. One frame is 16 ms.
#include <benchmark/benchmark.h>

#include "pages/HxChartScene.h"

namespace {

constexpr double kC = 273.15;

HxMarks SomeMarks(const HxChart& chart)
{
    HxMarks marks;
    marks.current = chart.StateAt(chart.PointOf(kC + 26, 55));
    marks.initial = chart.PointOf(kC + 5, 80);
    marks.final = chart.PointOf(kC + 22, 30);
    return marks;
}

// Pressures across the slider's range, one step apart.
void BM_HxChartLines(benchmark::State& state)
{
    double pressure = 96000;
    for (auto _ : state) {
        const HxChart chart(pressure);
        benchmark::DoNotOptimize(chart.Lines(chart.DefaultRange()));
        pressure = pressure >= 104000 ? 96000 : pressure + 100;
    }
}
BENCHMARK(BM_HxChartLines)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_HxChartScene(benchmark::State& state)
{
    const HxChart chart(100000);
    const HxMarks marks = SomeMarks(chart);
    const HxRange range = chart.DefaultRange(marks.Points());
    const std::vector<HxLine> lines = chart.Lines(range);
    const HxView view(chart, range, 900, 700);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildHxScene(chart, lines, view, marks));
}
BENCHMARK(BM_HxChartScene)->Repetitions(9)->ReportAggregatesOnly(true);

// Everything a slider step asks of the core: lines, layout, and the state
// under a pointer that stays put.
void BM_HxChartPressureStep(benchmark::State& state)
{
    double pressure = 96000;
    for (auto _ : state) {
        const HxChart chart(pressure);
        const HxMarks marks = SomeMarks(chart);
        const HxRange range = chart.DefaultRange(marks.Points());
        const HxView view(chart, range, 900, 700);
        benchmark::DoNotOptimize(BuildHxScene(chart, chart.Lines(range), view, marks));
        benchmark::DoNotOptimize(chart.StateAt(view.ToChart({450, 350})));
        pressure = pressure >= 104000 ? 96000 : pressure + 100;
    }
}
BENCHMARK(BM_HxChartPressureStep)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_HxChartStateUnderPointer(benchmark::State& state)
{
    const HxChart chart(100000);
    const HxView view(chart, chart.DefaultRange(), 900, 700);
    double x = 60;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart.StateAt(view.ToChart({x, 300})));
        x = x > 800 ? 60 : x + 7;
    }
}
BENCHMARK(BM_HxChartStateUnderPointer)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_HxChartSvg(benchmark::State& state)
{
    const HxChart chart(100000);
    const HxMarks marks = SomeMarks(chart);
    const HxRange range = chart.DefaultRange(marks.Points());
    const HxScene scene = BuildHxScene(chart, chart.Lines(range), HxView(chart, range, 900, 700), marks);
    for (auto _ : state)
        benchmark::DoNotOptimize(HxSceneSvg(scene));
}
BENCHMARK(BM_HxChartSvg)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
