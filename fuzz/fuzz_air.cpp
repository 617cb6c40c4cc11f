// Humid air: any sequence of modes, barometric pressures, temperatures,
// humidities and mass flows, and the model's property functions asked
// about any state.
#include "ModelFuzz.h"
#include "pages/AirTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    HumidAirInput air;
    fuzz::ModelRun<HumidAirInput> run{
        air, kAirTable,
        {&CPowietrze::GetBarometricPressure, &CPowietrze::GetMaxTemperature, &CPowietrze::GetMaxMoistureContent},
        {}, {}, 3};
    run.accepted = [](const HumidAirInput& a, const PropertyRow<HumidAirInput>&) {
        if (a.Mode() != CPowietrze::kRelativeHumidityMode && a.Mode() != CPowietrze::kMoistureContentMode)
            return;
        // A setter judges its own value: a temperature taken while a refused
        // humidity (below 0 or above 100 %, or a moisture content below 0)
        // stands gives no state, only the zeros of one, as the other models
        // do after a refused input.
        if (!(a.GetRelativeHumidity() >= 0 && a.GetRelativeHumidity() <= 100 && a.GetMoistureContent() >= 0))
            return;
        // An accepted state is a state: air has a volume and a humidity.
        // (A viscosity of 0 is none: the fit ends below the hottest air accepted.)
        const bool viscous = a.GetDynamicViscosity() > 0 || (a.GetTemperature() > 900 && a.GetDynamicViscosity() == 0);
        FUZZ_CHECK(a.GetSpecificVolume() > 0 && viscous && a.GetKinematicViscosity() >= 0,
                   "accepted air at " + fuzz::Show(a.GetTemperature()) + " K, " + fuzz::Show(a.GetRelativeHumidity())
                       + " %, " + fuzz::Show(a.GetMoistureContent()) + " kg/kg without a volume or viscosity");
    };
    run.own = [&air](fuzz::Input& input, double& argument) {
        switch (input.Below(3)) {
        case 0:
            // The mode buttons give 0 or 1; a caller could give any.
            air.SetMode(input.Below(8) == 0 ? input.Int() : static_cast<int>(input.Below(2)));
            return 0;
        case 1:
            argument = input.Double(9e4, 1.1e5);
            return air.SetBarometricPressureInMode(argument);
        default: {
            // The property functions of any state: 0 or a finite value.
            const double t = input.Double(150, 1200);
            const double h = input.Double(-20, 120);
            const double values[] = {air.MoistureContent(t, h), air.RelativeHumidity(t, h), air.Enthalpy(t, h),
                                     air.SpecificVolume(t, h),  air.VapourPressure(t, h),   air.DewPoint(t, h),
                                     air.WetBulbTemperature(t, h), air.DynamicViscosity(t, h),
                                     air.KinematicViscosity(t, h)};
            for (double v : values)
                FUZZ_CHECK(std::isfinite(v), "a property of (" + fuzz::Show(t) + " K, " + fuzz::Show(h) + ") is "
                                                 + fuzz::Show(v));
            return 0;
        }
        }
    };
    fuzz::RunSetters(in, run);
    return 0;
}
