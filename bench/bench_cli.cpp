// zentaro-cli property tables: 1000 CSV rows, each a fresh model and the
// whole setter sequence, formatted; the target is 50 ms.
#include <benchmark/benchmark.h>

#include "cli/Cli.h"

namespace {

void Table(benchmark::State& state, std::vector<std::string> args)
{
    for (auto _ : state) {
        const cli::Outcome outcome = cli::RunCli(args);
        benchmark::DoNotOptimize(outcome.out.data());
        if (outcome.status == cli::kExitUsage)
            state.SkipWithError(outcome.err.c_str());
    }
}

void BM_WaterCsv1000(benchmark::State& state)
{
    Table(state, {"water", "--pressure", "2 bar", "--temperature", "0.1:100:0.1 st C", "--csv"});
}
BENCHMARK(BM_WaterCsv1000)->Unit(benchmark::kMillisecond);

void BM_SteamCsv1000(benchmark::State& state)
{
    Table(state, {"steam", "--regime", "superheated", "--pressure", "1 bar", "--temperature", "400:899.5:0.5", "--csv"});
}
BENCHMARK(BM_SteamCsv1000)->Unit(benchmark::kMillisecond);

void BM_AirCsv1000(benchmark::State& state)
{
    Table(state, {"air", "--barometric-pressure", "1000 hPa", "--temperature", "-10:39.95:0.05 st C",
                  "--relative-humidity", "60", "--csv"});
}
BENCHMARK(BM_AirCsv1000)->Unit(benchmark::kMillisecond);

} // namespace
