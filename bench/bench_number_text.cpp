// Number text on every keystroke: the everyday "%g", a model's limit text,
// a calculator result, and the locale lookup the command-line tool does
// once at start. All must cost well under a microsecond.
#include <benchmark/benchmark.h>

#include <string>

#include "base/NumberText.h"
#include "media/LimitText.h"

static void BM_FormatG(benchmark::State& state)
{
    SetDecimalSeparator(',');
    double v = 998.2071;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatG(v));
        v += 1e-9;
    }
    SetDecimalSeparator('.');
}
BENCHMARK(BM_FormatG);

static void BM_LimitText(benchmark::State& state)
{
    double v = 1553.8;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LimitText(v, 8, 2, "kPa"));
        v += 1e-9;
    }
}
BENCHMARK(BM_LimitText);

// The calculator's "%#.5e" of a result.
static void BM_ResultText(benchmark::State& state)
{
    double v = 1.2345678e123;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatExp(v, 5, Point::Keep));
        v *= 1.0000001;
    }
}
BENCHMARK(BM_ResultText);

// The longest text the program can ask for: the largest double with 11 decimals.
static void BM_LongestFixedText(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatFixed(1.7976931348623157e308, 11, Point::Keep));
}
BENCHMARK(BM_LongestFixedText);

static void BM_ParseNumber(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseNumber("1,00000e+13", ','));
}
BENCHMARK(BM_ParseNumber);

static void BM_SeparatorForLocaleName(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SeparatorForLocaleName("zgh_MA.UTF-8@euro"));
}
BENCHMARK(BM_SeparatorForLocaleName);
