// zentaro-cli sweeps: 1000 rows, each a fresh model and the whole setter
// sequence, formatted and written to an output that throws the text away,
// as to /dev/null. "row" is the time per row; the target is 3 us.
#include <benchmark/benchmark.h>

#include "cli/Cli.h"

namespace {

class Discard : public cli::Output {
protected:
    bool Deliver(std::string_view text) override
    {
        benchmark::DoNotOptimize(text.data());
        return true;
    }
};

void Sweep(benchmark::State& state, std::vector<std::string> args, const char* format)
{
    constexpr double kRows = 1000;
    if (format[0] != '\0')
        args.push_back(format);
    for (auto _ : state) {
        Discard out;
        std::string err;
        if (cli::RunCli(args, out, err) == cli::kExitUsage)
            state.SkipWithError(err.c_str());
    }
    state.counters["row"] =
        benchmark::Counter(kRows, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

const std::vector<std::string> kWater = {"water", "--pressure", "2 bar", "--temperature", "0.1:100:0.1 st C"};
const std::vector<std::string> kSteam = {"steam", "--regime", "superheated", "--pressure", "1 bar",
                                         "--temperature", "400:899.5:0.5"};
const std::vector<std::string> kAir = {"air", "--barometric-pressure", "1000 hPa", "--temperature",
                                       "-10:39.95:0.05 st C", "--relative-humidity", "60"};

BENCHMARK_CAPTURE(Sweep, WaterCsv, kWater, "--csv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sweep, WaterJson, kWater, "--json")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sweep, WaterTable, kWater, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sweep, SteamCsv, kSteam, "--csv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sweep, SteamJson, kSteam, "--json")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sweep, SteamTable, kSteam, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sweep, AirCsv, kAir, "--csv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sweep, AirJson, kAir, "--json")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sweep, AirTable, kAir, "")->Unit(benchmark::kMillisecond);

} // namespace
