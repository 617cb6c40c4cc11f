// Water steam: any sequence of regimes, temperatures, pressures, drynesses
// and mass flows.
#include "ModelFuzz.h"
#include "pages/SteamTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    CPara steam;
    fuzz::ModelRun<CPara> run{steam, kSteamTable,
                              {&CPara::GetSaturationPointTemperature, &CPara::GetSaturationPointPressure},
                              {}, {}, 2};
    run.accepted = [](const CPara& s, const PropertyRow<CPara>& row) {
        // A dryness is judged on the last point of the saturation line; a
        // model with none within the limits (a fresh one, or one whose
        // pressures were refused) has no state to judge: zeros.
        if (row.set == &CPara::SetDryness) {
            CPara probe;
            const int message = probe.SetPressure(s.GetSaturationPointPressure());
            if (message == kMsgPressureBelowMinimum || message == kMsgPressureAboveCritical)
                return;
        }
        // Superheated, a temperature given before any pressure (or after a
        // refused one) is judged by the pressure's setter, when it comes.
        if (row.set == &CPara::SetTemperature && s.GetRegime() == CPara::kSuperheated) {
            CPara probe = s;
            if (probe.SetPressure(s.GetPressure()) == kMsgPressureBelowMinimum)
                return;
        }
        // A state the fits cannot describe is refused, never shown.
        FUZZ_CHECK(s.GetSpecificVolume() > 0 && s.GetDynamicViscosity() > 0 && s.GetKinematicViscosity() > 0,
                   "accepted steam (regime " + std::to_string(s.GetRegime()) + ", " + fuzz::Show(s.GetTemperature())
                       + " K, " + fuzz::Show(s.GetPressure()) + " Pa) without a volume or viscosity");
        if (s.GetRegime() != CPara::kSuperheated)
            FUZZ_CHECK(s.GetDryness() >= 0 && s.GetDryness() <= 1, "dryness " + fuzz::Show(s.GetDryness()));
    };
    run.own = [&steam](fuzz::Input& input, double& argument) {
        if (input.Bit()) {
            // The regime buttons give 0, 1 or 2; a caller could give any.
            const int regime = input.Below(8) == 0 ? input.Int() : static_cast<int>(input.Below(3));
            return steam.SetRegime(regime);
        }
        // The saturation line asked directly, as the humid-air model does.
        argument = input.Double(100, 700);
        const double offset = input.Bit() ? 0.0 : input.Double();
        const double p = steam.SaturationPressure(argument, offset);
        const double t = steam.SaturationTemperature(input.Double(0, 2.3e7));
        FUZZ_CHECK(!std::isfinite(argument) || std::isfinite(p), "saturation pressure " + fuzz::Show(p));
        FUZZ_CHECK(std::isfinite(t) && t >= 0, "saturation temperature " + fuzz::Show(t));
        FUZZ_CHECK(std::isfinite(CPara::PressureOnLine(argument)) && std::isfinite(CPara::TemperatureOnLine(p)),
                   "the line off its range");
        argument = 0;  // not a setter: no message to judge
        return 0;
    };
    fuzz::RunSetters(in, run);
    return 0;
}
