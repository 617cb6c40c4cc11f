// Cost of each model setter, the work behind one keystroke on a medium page.
#include <benchmark/benchmark.h>

#include "media/CWoda.h"

namespace {

// Temperatures across the whole accepted range, so that no single value's
// luck decides the figure.
void BM_WodaSetTemperature(benchmark::State& state)
{
    CWoda water;
    double temperature = 273.15;
    for (auto _ : state) {
        benchmark::DoNotOptimize(water.SetTemperature(temperature));
        temperature += 0.37;
        if (temperature > 423.15)
            temperature -= 150;
    }
}
BENCHMARK(BM_WodaSetTemperature);

void BM_WodaSetTemperatureRejected(benchmark::State& state)
{
    CWoda water;
    for (auto _ : state)
        benchmark::DoNotOptimize(water.SetTemperature(500));
}
BENCHMARK(BM_WodaSetTemperatureRejected);

void BM_WodaSetPressure(benchmark::State& state)
{
    CWoda water;
    double pressure = 1e5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(water.SetPressure(pressure));
        pressure = pressure < 9e6 ? pressure * 1.7 : 1e5;
    }
}
BENCHMARK(BM_WodaSetPressure);

void BM_WodaSetMassFlow(benchmark::State& state)
{
    CWoda water;
    double flow = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(water.SetMassFlow(flow));
        flow += 0.5;
    }
}
BENCHMARK(BM_WodaSetMassFlow);

}  // namespace
