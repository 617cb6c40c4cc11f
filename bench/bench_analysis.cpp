// One keystroke in the flow analysis, and the friction factor on its own.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/FlowAnalysis.h"
#include "analysis/FrictionFactor.h"

namespace {

constexpr std::array kAllFields = {
    FlowField::MassFlow, FlowField::VolumeFlow, FlowField::Diameter, FlowField::SideL,   FlowField::SideH,
    FlowField::Area,     FlowField::Velocity,   FlowField::Time,     FlowField::Mass,    FlowField::UnitLoss,
    FlowField::DuctLength, FlowField::LinearLoss, FlowField::ZetaSum, FlowField::LocalLoss,
};

// Everything a keystroke in the diameter costs but painting: parsing, the
// whole chain, every field's text but the typed one, the five texts and the
// nearest size.
void BM_FlowKeystroke(benchmark::State& state)
{
    FlowAnalysis flow;
    flow.SetMedium(998.2, 1.004e-06, 1.5);
    flow.Open();
    const std::array<const char*, 4> typed = {"0.05", "0.051", "0.0512", "0.05123"};
    std::size_t i = 0;
    std::vector<std::string> texts(kAllFields.size() + 5);
    for (auto _ : state) {
        flow.OnEdit(FlowField::Diameter, typed[i++ & 3]);
        for (std::size_t f = 0; f < kAllFields.size(); ++f)
            if (kAllFields[f] != FlowField::Diameter)
                texts[f] = flow.FieldText(kAllFields[f]);
        texts[kAllFields.size()] = flow.HydraulicRadiusText();
        texts[kAllFields.size() + 1] = flow.RelativeRoughnessText();
        texts[kAllFields.size() + 2] = flow.RoughnessText();
        texts[kAllFields.size() + 3] = flow.ReynoldsText();
        texts[kAllFields.size() + 4] = flow.FrictionText();
        benchmark::DoNotOptimize(flow.NearestSize());
        benchmark::DoNotOptimize(texts.data());
    }
}
BENCHMARK(BM_FlowKeystroke)->Repetitions(9)->ReportAggregatesOnly(true);

// Re spread logarithmically over 2320..1e9, roughness over 0..0.05.
void BM_FrictionFactor(benchmark::State& state)
{
    std::vector<std::pair<double, double>> inputs;
    for (int i = 0; i < 256; ++i) {
        const double re = 2320 * std::pow(1e9 / 2320, i / 255.0);
        inputs.emplace_back(re, (i % 8) * 0.00625);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [re, eps] = inputs[i++ & 255];
        benchmark::DoNotOptimize(FrictionFactor(re, eps));
    }
}
BENCHMARK(BM_FrictionFactor)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
