// One keystroke of the unit converter: read the value, convert, print.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/NumberText.h"
#include "units/PolishOrder.h"
#include "units/Units.h"

static void BM_ConverterKeystroke(benchmark::State& state)
{
    const std::string typed = "1609.344";
    for (auto _ : state) {
        const double value = ParseNumber(typed);
        const double result = ConvertUnits(kQuantityVelocity, 4, 3, value);
        std::string text = FormatG(result);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ConverterKeystroke);

static void BM_TemperatureConversion(benchmark::State& state)
{
    double value = 20;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(ConvertUnits(kQuantityTemperature, 1, 2, value));
    }
}
BENCHMARK(BM_TemperatureConversion);

// Sorting the 31 quantity names, as filling a quantity list does.
static void BM_SortQuantityNames(benchmark::State& state)
{
    std::vector<std::string> names;
    for (int q = kQuantityLast; q >= kQuantityFirst; q -= kQuantityStep)
        names.push_back(QuantityName(q));
    for (auto _ : state) {
        std::vector<std::string> copy = names;
        std::sort(copy.begin(), copy.end(), PolishLess);
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_SortQuantityNames);
