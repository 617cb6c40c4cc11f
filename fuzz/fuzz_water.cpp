// Liquid water: any sequence of temperatures, pressures and mass flows.
#include "ModelFuzz.h"
#include "pages/WaterTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    CWoda water;
    fuzz::ModelRun<CWoda> run{water, kWaterTable, {}, {}, {}, 0};
    run.accepted = [](const CWoda& w, const PropertyRow<CWoda>& row) {
        FUZZ_CHECK(w.GetLimitText().empty(), "a limit text after an accepted value");
        if (row.set == &CWoda::SetTemperature)
            FUZZ_CHECK(w.GetDensity() > 0 && w.GetDynamicViscosity() > 0 && w.GetKinematicViscosity() > 0
                           && w.GetSpecificHeat() > 0 && w.GetConductivity() > 0,
                       "accepted water at " + fuzz::Show(w.GetTemperature()) + " K without physical properties");
    };
    fuzz::RunSetters(in, run);
    return 0;
}
