// Cost of each model setter, the work behind one keystroke on a medium page.
#include <benchmark/benchmark.h>

#include "media/CPara.h"
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

// Steam: each setter in each regime, over the range a page sweeps.
void BM_ParaSetTemperature(benchmark::State& state)
{
    CPara steam;
    steam.SetRegime(static_cast<int>(state.range(0)));
    steam.SetPressure(1e5);
    const double low = state.range(0) == CPara::kSuperheated ? 373.0 : 273.15;
    double temperature = low;
    for (auto _ : state) {
        benchmark::DoNotOptimize(steam.SetTemperature(temperature));
        temperature += 3.7;
        if (temperature > 640)
            temperature = low;
    }
}
BENCHMARK(BM_ParaSetTemperature)->Arg(CPara::kWet)->Arg(CPara::kSaturated)->Arg(CPara::kSuperheated);

void BM_ParaSetPressure(benchmark::State& state)
{
    CPara steam;
    steam.SetRegime(static_cast<int>(state.range(0)));
    steam.SetTemperature(640);
    double pressure = 700;
    for (auto _ : state) {
        benchmark::DoNotOptimize(steam.SetPressure(pressure));
        pressure *= 1.37;
        if (pressure > 2.2e7)
            pressure = 700;
    }
}
BENCHMARK(BM_ParaSetPressure)->Arg(CPara::kWet)->Arg(CPara::kSaturated)->Arg(CPara::kSuperheated);

// The slowest pressure: the most Newton steps on the saturation line.
void BM_ParaSetPressureLowest(benchmark::State& state)
{
    CPara steam;
    for (auto _ : state)
        benchmark::DoNotOptimize(steam.SetPressure(610.89));
}
BENCHMARK(BM_ParaSetPressureLowest);

void BM_ParaSetDryness(benchmark::State& state)
{
    CPara steam;
    steam.SetTemperature(400);
    double dryness = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(steam.SetDryness(dryness));
        dryness = dryness < 0.95 ? dryness + 0.05 : 0;
    }
}
BENCHMARK(BM_ParaSetDryness);

void BM_ParaSetRegime(benchmark::State& state)
{
    CPara steam;
    int regime = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(steam.SetRegime(regime));
        regime = (regime + 1) % 3;
    }
}
BENCHMARK(BM_ParaSetRegime);

void BM_ParaSetMassFlow(benchmark::State& state)
{
    CPara steam;
    double flow = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(steam.SetMassFlow(flow));
        flow += 0.5;
    }
}
BENCHMARK(BM_ParaSetMassFlow);

}  // namespace
