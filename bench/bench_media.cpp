// Cost of each model setter, the work behind one keystroke on a medium page.
#include <benchmark/benchmark.h>

#include <vector>

#include "media/CPara.h"
#include "media/CPowietrze.h"
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

// Humid air: a grid of states over the page's range at 1000 hPa (253.15 K
// to the boiling temperature, 0 to 100 %), visited in turn.
struct AirState {
    double temperature;
    double humidity;
    std::size_t humidityIndex;
};

constexpr std::size_t kPageHumidities = 11;   // 0 to 97 % by 9.7

std::vector<AirState> PageStates(double maxTemperature)
{
    std::vector<AirState> states;
    for (double t = 253.15; t < maxTemperature; t += 2.37)
        for (std::size_t k = 0; k < kPageHumidities; ++k)
            states.push_back({t, 9.7 * static_cast<double>(k), k});
    return states;
}

// One full state from a temperature at a given relative humidity: a model
// per humidity of the grid, each given the grid's temperatures in turn, so
// that every call meets a new temperature and nothing but the setter is timed.
void BM_PowietrzeSetTemperature(benchmark::State& state)
{
    std::vector<CPowietrze> models(kPageHumidities);
    for (CPowietrze& model : models)
        model.SetBarometricPressure(100000, CPowietrze::kRelativeHumidityMode);
    const std::vector<AirState> states = PageStates(models[0].GetMaxTemperature());
    for (const AirState& s : states)
        models[s.humidityIndex].SetRelativeHumidity(s.humidity);
    std::size_t i = 0;
    for (auto _ : state) {
        CPowietrze& model = models[states[i].humidityIndex];
        benchmark::DoNotOptimize(model.SetTemperature(states[i].temperature, CPowietrze::kRelativeHumidityMode));
        i = (i + 1) % states.size();
    }
}
BENCHMARK(BM_PowietrzeSetTemperature);

// The page's entry of a state: a temperature, then a relative humidity,
// both new; two setters per iteration.
void BM_PowietrzeTemperatureThenHumidity(benchmark::State& state)
{
    CPowietrze air;
    air.SetBarometricPressure(100000, CPowietrze::kRelativeHumidityMode);
    const std::vector<AirState> states = PageStates(air.GetMaxTemperature());
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(air.SetTemperature(states[i].temperature, CPowietrze::kRelativeHumidityMode));
        benchmark::DoNotOptimize(air.SetRelativeHumidity(states[i].humidity));
        i = (i + 1) % states.size();
    }
}
BENCHMARK(BM_PowietrzeTemperatureThenHumidity);

// The page's start state.
void BM_PowietrzeSetTemperatureStart(benchmark::State& state)
{
    CPowietrze air;
    air.SetRelativeHumidity(60);
    for (auto _ : state)
        benchmark::DoNotOptimize(air.SetTemperature(293.15, CPowietrze::kRelativeHumidityMode));
}
BENCHMARK(BM_PowietrzeSetTemperatureStart);

// The slowest state a scan of every pressure, temperature and humidity
// found: air of 0.15 % 0.082 K below the boiling temperature, where the
// wet-bulb search creeps: some 1900 steps, each with a saturation pressure
// that waits for the step before.
void BM_PowietrzeSetTemperatureWorst(benchmark::State& state)
{
    CPowietrze air;
    air.SetBarometricPressure(100000, CPowietrze::kRelativeHumidityMode);
    air.SetRelativeHumidity(0.15);
    const double temperature = air.GetMaxTemperature() - 0.082;
    for (auto _ : state)
        benchmark::DoNotOptimize(air.SetTemperature(temperature, CPowietrze::kRelativeHumidityMode));
}
BENCHMARK(BM_PowietrzeSetTemperatureWorst);

void BM_PowietrzeSetRelativeHumidity(benchmark::State& state)
{
    CPowietrze air;
    air.SetTemperature(303.15, CPowietrze::kRelativeHumidityMode);
    double phi = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(air.SetRelativeHumidity(phi));
        phi = phi < 95 ? phi + 3.7 : 0;
    }
}
BENCHMARK(BM_PowietrzeSetRelativeHumidity);

void BM_PowietrzeSetMoistureContent(benchmark::State& state)
{
    CPowietrze air;
    air.SetTemperature(303.15, CPowietrze::kRelativeHumidityMode);
    double x = 0.001;
    for (auto _ : state) {
        benchmark::DoNotOptimize(air.SetMoistureContent(x));
        x = x < 0.025 ? x + 0.0013 : 0.001;
    }
}
BENCHMARK(BM_PowietrzeSetMoistureContent);

void BM_PowietrzeSetBarometricPressure(benchmark::State& state)
{
    CPowietrze air;
    air.SetTemperature(303.15, CPowietrze::kRelativeHumidityMode);
    air.SetRelativeHumidity(50);
    int position = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(air.SetBarometricPressure(96000 + 100 * position, CPowietrze::kRelativeHumidityMode));
        position = (position + 7) % 81;
    }
}
BENCHMARK(BM_PowietrzeSetBarometricPressure);

void BM_PowietrzeSetMassFlow(benchmark::State& state)
{
    CPowietrze air;
    double flow = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(air.SetMassFlow(flow));
        flow += 0.5;
    }
}
BENCHMARK(BM_PowietrzeSetMassFlow);

}  // namespace
