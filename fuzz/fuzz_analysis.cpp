// The flow and energy analyses: any sequence of the dialogs' operations
// (hand-overs, mode and shape buttons, typed and parsed edits, size picks,
// the roughness slider, unit factors) with any numbers, and the arithmetic
// beside them (friction factor, Kv, the size catalogue).
//
// The analyses compute what the user types, as a hand calculation would:
// a zero typed as a diameter gives an infinite velocity, shown as such. So
// the checks are not "every value finite" but what must hold regardless:
//   - a field's text is the six-digit print of its value in its unit, and
//     reads back as that value (the texts are cached; a stale one would
//     show a value the analysis no longer holds);
//   - the friction factor of a finite, positive flow is finite and positive
//     and costs bounded time (a hang is a finding);
//   - catalogue picks stay inside the catalogue.
#include <algorithm>

#include "FuzzInput.h"
#include "analysis/EnergyAnalysis.h"
#include "analysis/FlowAnalysis.h"
#include "analysis/FrictionFactor.h"
#include "analysis/KvRelation.h"
#include "analysis/SizeCatalogue.h"
#include "base/NumberText.h"

namespace {

using fuzz::Same;
using fuzz::Show;

// A unit factor as the unit lists give (positive, finite), or any double.
double AnyFactor(fuzz::Input& in)
{
    static constexpr double kFactors[] = {1.0, 0.001, 1e-6, 3600.0, 1.0 / 3600, 1000.0, 0.0254, 4.1868e3, 1e5};
    if (in.Below(4) != 0)
        return kFactors[in.Below(std::size(kFactors))];
    return in.Double(1e-6, 1e6);
}

// The text a field shows for a value in a unit.
void CheckFieldText(const std::string& text, double shown, const char* what)
{
    FUZZ_CHECK(text == FormatG(shown), std::string(what) + " shows \"" + text + "\" for " + Show(shown));
    if (std::isfinite(shown) && std::fabs(shown) < 1e300 && std::fabs(shown) > 1e-300) {
        const double back = ParseNumber(text);
        FUZZ_CHECK(std::fabs(back - shown) <= 5e-6 * std::fabs(shown), text + " reads back as " + Show(back));
    }
}

void CheckFlow(const FlowAnalysis& flow)
{
    for (int i = 0; i < kFlowFieldCount; ++i) {
        const auto field = static_cast<FlowField>(i);
        const double factor = field == FlowField::ZetaSum ? 1.0 : flow.Factor(field);
        CheckFieldText(flow.FieldText(field), flow.Value(field) / factor, "a flow field");
        (void)flow.IsInput(field);
    }
    FUZZ_CHECK(!flow.IsInput(FlowField::UnitLoss), "R is never typed");
    FUZZ_CHECK(flow.HydraulicRadiusText() == "Promień hydrauliczny " + FormatG(flow.HydraulicRadius() * 1000) + " mm",
               "hydraulic radius text \"" + flow.HydraulicRadiusText() + "\"");
    FUZZ_CHECK(flow.RelativeRoughnessText() == "Chropowatość wzg. " + FormatG(flow.RelativeRoughness()),
               "relative roughness text");
    FUZZ_CHECK(flow.RoughnessText() == FormatG(flow.Roughness() * 1000) + " mm", "roughness text");
    FUZZ_CHECK(flow.ReynoldsText().find(FormatFixed(flow.Reynolds(), 0)) != std::string::npos,
               "Reynolds text \"" + flow.ReynoldsText() + "\" for " + Show(flow.Reynolds()));
    (void)flow.FrictionText();
    const int size = flow.NearestSize();
    const auto count = flow.Shape() == DuctShape::Round ? RoundSizes().size() : RectangularSizes().size();
    FUZZ_CHECK(size >= 0 && static_cast<std::size_t>(size) < count, "nearest size " + std::to_string(size));
}

void CheckEnergy(const EnergyAnalysis& energy, LinearPair display)
{
    for (int i = 0; i < kEnergyFieldCount; ++i) {
        const auto field = static_cast<EnergyField>(i);
        const double shown = field == EnergyField::FinalTemperature
            ? display.multiplier * energy.Value(field) + display.offset
            : energy.Value(field) / energy.Factor(field);
        CheckFieldText(energy.FieldText(field), shown, "an energy field");
        (void)energy.IsInput(field);
    }
}

// Anything a user may type into a field, or a number printed.
std::string AnyText(fuzz::Input& in)
{
    if (in.Bit())
        return in.Text(40);
    return FormatG(in.Double(), static_cast<int>(in.Below(18)));
}

void RunFlow(fuzz::Input& in, FlowAnalysis& flow)
{
    switch (in.Below(12)) {
    case 0: flow.SetMedium(in.Double(0, 1200), in.Double(1e-7, 1e-4), in.Double(-10, 10)); break;
    case 1: flow.Open(); break;
    case 2: flow.SetMode(static_cast<FlowMode>(1 + in.Below(3))); break;
    case 3: flow.SelectDN(); break;
    case 4: flow.SelectLxH(); break;
    case 5: flow.SelectF(in.Bit() ? DuctShape::Round : DuctShape::Rectangular, in.Double(0.1, 10)); break;
    case 6: flow.OnEdit(static_cast<FlowField>(in.Below(kFlowFieldCount)), AnyText(in)); break;
    case 7: flow.OnValue(static_cast<FlowField>(in.Below(kFlowFieldCount)), in.Double(-10, 10)); break;
    case 8: {
        // The list offers its entries and -1; a caller could pass any.
        const int index = in.Below(8) == 0 ? in.Int() : static_cast<int>(in.Below(111)) - 1;
        const bool recomputed = flow.OnSizeSelected(index);
        FUZZ_CHECK(recomputed == (flow.Mode() != FlowMode::Section), "a size pick in the wrong mode");
        break;
    }
    case 9: flow.OnRoughness(in.Below(8) == 0 ? in.Int() : 1 + static_cast<int>(in.Below(1000))); break;
    case 10: flow.AcceptKvZeta(in.Double(0, 100)); break;
    default: flow.SetFactor(static_cast<FlowField>(in.Below(kFlowFieldCount)), AnyFactor(in)); break;
    }
    CheckFlow(flow);
}

void RunEnergy(fuzz::Input& in, EnergyAnalysis& energy, LinearPair& display)
{
    switch (in.Below(7)) {
    case 0: {
        const double m1 = in.Double(0, 10), h1 = in.Double(-1e5, 4e6), t1 = in.Double(0, 700);
        const double m2 = in.Bit() ? m1 : in.Double(0, 10);
        const double h2 = in.Double(-1e5, 4e6), t2 = in.Double(0, 700);
        const int answer = static_cast<int>(in.Below(3));
        bool asked = false;
        const int choice = energy.SetStates(m1, h1, t1, m2, h2, t2, [&] {
            asked = true;
            return answer;
        });
        FUZZ_CHECK(choice >= kInitialStream && choice <= kStreamDifference, "stream " + std::to_string(choice));
        FUZZ_CHECK(!asked || choice == answer, "the user's choice not taken");
        break;
    }
    case 1:
        // The opening resets the units, the temperature's pairs included.
        energy.Open();
        display = {};
        break;
    case 2: energy.SetMode(static_cast<EnergyMode>(1 + in.Below(3))); break;
    case 3: energy.OnEdit(static_cast<EnergyField>(in.Below(kEnergyFieldCount)), AnyText(in)); break;
    case 4: energy.OnValue(static_cast<EnergyField>(in.Below(kEnergyFieldCount)), in.Double(-1e6, 1e6)); break;
    case 5: energy.SetFactor(static_cast<EnergyField>(in.Below(kEnergyFieldCount)), AnyFactor(in)); break;
    default: {
        // Kelvin, Celsius or Fahrenheit as the unit list gives them.
        static constexpr LinearPair kDisplay[] = {{1, 0}, {1, -273.15}, {1.8, -459.67}};
        static constexpr LinearPair kInput[] = {{1, 0}, {1, 273.15}, {1 / 1.8, 255.372222222}};
        const unsigned unit = in.Below(3);
        display = kDisplay[unit];
        energy.SetTemperaturePairs(kDisplay[unit], kInput[unit]);
        break;
    }
    }
    CheckEnergy(energy, display);
}

void CheckArithmetic(fuzz::Input& in)
{
    const double re = in.Double(0, 1e8);
    const double eps = in.Double(0, 0.1);
    const double lambda = FrictionFactor(re, eps);
    // 64 / Re overflows below 1e-307 or so: the laminar factor is then infinite.
    if (std::isfinite(re) && std::isfinite(eps) && re > 1e-300 && eps >= 0 && eps < 1)
        FUZZ_CHECK(std::isfinite(lambda) && lambda > 0,
                   "friction factor " + Show(lambda) + " at Re " + Show(re) + ", eps " + Show(eps));

    const double area = in.Double(0, 2);
    const double zeta = in.Double(0, 100);
    const double kv = KvFromZeta(zeta, area);
    if (std::isfinite(area) && std::isfinite(zeta) && area > 0 && zeta > 1e-100 && zeta < 1e100 && area < 1e100
        && area > 1e-100) {
        const double back = ZetaFromKv(kv, area);
        FUZZ_CHECK(std::fabs(back - zeta) <= 1e-9 * zeta, "zeta " + Show(zeta) + " back as " + Show(back));
    }

    const DuctShape shape = in.Bit() ? DuctShape::Round : DuctShape::Rectangular;
    const std::size_t count = shape == DuctShape::Round ? RoundSizes().size() : RectangularSizes().size();
    FUZZ_CHECK(SizeListNames(shape).size() == count, "size names");
    const int nearest = FindNearestSize(shape, area);
    FUZZ_CHECK(nearest >= 0 && static_cast<std::size_t>(nearest) < count, "nearest " + std::to_string(nearest));
    const int index = in.Int();
    const DuctGeometry g = SizeGeometry(shape, index);
    if (index < 0 || static_cast<std::size_t>(index) >= count)
        FUZZ_CHECK(g.D == 0 && g.F == 0 && g.L == 0 && g.H == 0, "a size outside the catalogue");
    else
        FUZZ_CHECK(g.D > 0 && g.F > 0 && g.L > 0 && g.H > 0, "a size of the catalogue without a section");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    SetDecimalSeparator(in.Bit() ? ',' : '.');
    FlowAnalysis flow;
    EnergyAnalysis energy;
    LinearPair display;
    for (int step = 0; step < 300 && !in.Empty(); ++step) {
        switch (in.Below(4)) {
        case 0: RunEnergy(in, energy, display); break;
        case 1: CheckArithmetic(in); break;
        case 2: SetDecimalSeparator(in.Bit() ? ',' : '.'); break;
        default: RunFlow(in, flow); break;
        }
    }
    return 0;
}
