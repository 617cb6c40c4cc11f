// One keystroke in a unit-bound field parses its text and formats the
// outputs; one help request looks up the table. Both must be instant.
#include <benchmark/benchmark.h>

#include <string>

#include "base/NumberText.h"
#include "controls/HelpIds.h"
#include "controls/HelpTexts.h"
#include "pages/PageIds.h"
#include "units/FieldValue.h"
#include "units/Units.h"

static void BM_ParseTemperatureField(benchmark::State& state)
{
    FieldScale t = MakeFieldScale(kQuantityTemperature, FieldRole::Input);
    SelectFieldUnit(t, 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseFieldValue("68.125", t));
}
BENCHMARK(BM_ParseTemperatureField);

// A water page refresh: nine outputs formatted.
static void BM_FormatNineOutputs(benchmark::State& state)
{
    FieldScale p = MakeFieldScale(kQuantityPressure, FieldRole::Output);
    SelectFieldUnit(p, 3);
    double v = 998.2071;
    for (auto _ : state) {
        for (int i = 0; i < 9; ++i)
            benchmark::DoNotOptimize(FormatFieldValue(v * (i + 1), p));
        v += 1e-9;
    }
}
BENCHMARK(BM_FormatNineOutputs);

static void BM_HelpIdOfUnknownControl(benchmark::State& state)
{
    // The whole table is walked for an id without a pair.
    for (auto _ : state)
        benchmark::DoNotOptimize(HelpIdOf(WodaIds::IDC_DYNAMIC_VISCOSITY));
}
BENCHMARK(BM_HelpIdOfUnknownControl);

static void BM_ParsePopupFile(benchmark::State& state)
{
    std::string file;
    for (std::size_t i = 0; i < kHelpIdPairCount; ++i)
        file += ".topic " + std::to_string(kHelpIdTable[i].helpId) +
                "\nJednostka, w której program pokazuje wartość. Wybierz z listy inną jednostkę.\n\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(ParsePopupTexts(file));
}
BENCHMARK(BM_ParsePopupFile);
