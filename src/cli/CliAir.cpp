// air: a fresh CPowietrze, one setter per option in command-line order;
// --mode sets the input mode that the following setters pass on.
#include "base/NumberText.h"
#include "cli/CliMedium.h"
#include "media/CPowietrze.h"
#include "units/Quantities.h"

namespace cli {

namespace {

const std::string kCommand = "air";

int ModeOf(const std::string& text)
{
    if (text == "rh")
        return 0;
    if (text == "x")
        return 1;
    throw UsageError("--mode: \"" + text + "\" is neither rh nor x", kCommand);
}

int Run(const ParsedArguments& args, Context& context)
{
    const std::vector<MediumStep> steps = ParseMediumSteps(
        args,
        {{"barometric-pressure", kQuantityPressure},
         {"temperature", kQuantityTemperature},
         {"relative-humidity", kQuantityPercent},
         {"moisture-content", kQuantityMoistureContent},
         {"mass-flow", kQuantityMassFlow}},
        [](const std::string&, const std::string& text) { return ModeOf(text); }, context, kCommand);

    MediumRowWriter rows(context);
    ForEachRow(
        steps,
        [&](const std::vector<double>& values) {
            CPowietrze air;
            SetterLog log;
            int mode = 0;   // relative humidity given, at first
            for (std::size_t i = 0; i < steps.size(); ++i) {
                const MediumStep& step = steps[i];
                const double v = values[i];
                if (step.option == "mode")
                    mode = step.choice;   // not a setter: nothing is called
                else if (step.option == "barometric-pressure")
                    log.Add(step, v, air.SetBarometricPressure(v, mode), air.GetLimitText(), true);
                else if (step.option == "temperature")
                    log.Add(step, v, air.SetTemperature(v, mode), air.GetLimitText(), true);
                else if (step.option == "relative-humidity")
                    log.Add(step, v, air.SetRelativeHumidity(v), air.GetLimitText(), true);
                else if (step.option == "moisture-content")
                    log.Add(step, v, air.SetMoistureContent(v), air.GetLimitText(), true);
                else
                    log.Add(step, v, air.SetMassFlow(v), air.GetLimitText(), false);
            }
            MediumRow row;
            row.refused = log.AnyRefused();
            if (context.format == OutputFormat::Table) {
                Table t;
                log.AddRefusals(t);
                t.Line(log.Caption());
                const bool show = log.Shown() == 0;
                auto out = [&](const char* name, double value, int quantity) {
                    t.Row(name, show ? FormatG(value) : std::string(), SIUnit(quantity));
                };
                // A dew point or wet-bulb temperature of 0 lies below the
                // saturation line's range, which the page writes as "< 253.15".
                auto temperature = [&](const char* name, double value) {
                    std::string text;
                    if (show)
                        text = value != 0 ? FormatG(value) : "< " + FormatG(253.15);
                    t.Row(name, text, SIUnit(kQuantityTemperature));
                };
                t.Row("Ciśnienie barometryczne", FormatG(air.GetBarometricPressure()), SIUnit(kQuantityPressure));
                t.Row("Temperatura", FormatG(air.GetTemperature()), SIUnit(kQuantityTemperature));
                // The given humidity always shows; the derived one only
                // while no message stands.
                t.Row("Wilgotność względna", mode == 0 || show ? FormatG(air.GetRelativeHumidity()) : "",
                      SIUnit(kQuantityPercent));
                t.Row("Zawartość wilgoci", mode == 1 || show ? FormatG(air.GetMoistureContent()) : "",
                      SIUnit(kQuantityMoistureContent));
                t.Row("Strumień masy", FormatG(air.GetMassFlow()), SIUnit(kQuantityMassFlow));
                out("Entalpia", air.GetEnthalpy(), kQuantityEnthalpy);
                out("Objętość właściwa", air.GetSpecificVolume(), kQuantitySpecificVolume);
                out("Ciśnienie cząstkowe pary", air.GetVapourPressure(), kQuantityPressure);
                temperature("Temperatura punktu rosy", air.GetDewPoint());
                temperature("Temperatura termometru mokrego", air.GetWetBulbTemperature());
                out("Lepkość dynamiczna", air.GetDynamicViscosity(), kQuantityDynamicViscosity);
                out("Lepkość kinematyczna", air.GetKinematicViscosity(), kQuantityKinematicViscosity);
                row.table = t.Render();
            } else {
                Record& r = row.record;
                r.Number("barometric_pressure", air.GetBarometricPressure());
                r.Number("temperature", air.GetTemperature());
                r.Number("relative_humidity", air.GetRelativeHumidity());
                r.Number("moisture_content", air.GetMoistureContent());
                r.Number("mass_flow", air.GetMassFlow());
                r.Number("enthalpy", air.GetEnthalpy());
                r.Number("specific_volume", air.GetSpecificVolume());
                r.Number("vapour_pressure", air.GetVapourPressure());
                r.Number("dew_point", air.GetDewPoint());
                r.Number("wet_bulb_temperature", air.GetWetBulbTemperature());
                r.Number("dynamic_viscosity", air.GetDynamicViscosity());
                r.Number("kinematic_viscosity", air.GetKinematicViscosity());
                r.IntegerList("messages", log.Messages());
                r.Text("limit_text", air.GetLimitText());
            }
            rows.Add(row);
        },
        kCommand);
    return rows.Finish();
}

} // namespace

const Command& AirCommand()
{
    static const Command command = [] {
        Command c;
        c.name = kCommand;
        c.summary = "properties of humid air (960 hPa to 1040 hPa)";
        c.help =
            "Usage: zentaro-cli air [--mode rh|x] [--barometric-pressure P] [--temperature T]\n"
            "                       [--relative-humidity PHI] [--moisture-content X]\n"
            "                       [--mass-flow M] [--json|--csv]\n"
            "\n"
            "Properties of humid air from a fresh model: one setter per option, in the\n"
            "order given. --mode is no setter: it chooses the input mode that the\n"
            "following --barometric-pressure and --temperature pass on (rh: the relative\n"
            "humidity is given, the start; x: the moisture content is given). A fresh\n"
            "model holds 100000 Pa, 0 K and 0 %; the maximum temperature becomes the\n"
            "boiling temperature once a barometric pressure is set. Numeric values take\n"
            "a unit, or a range START:STOP:STEP in that unit.\n"
            "\n"
            "Options:\n"
            "  --mode M                  rh or x\n"
            "  --barometric-pressure P   Pa, hPa, kPa, mbar, ... (96000 to 104000 Pa)\n"
            "  --temperature T           K, st C, st F, st Rank\n"
            "  --relative-humidity PHI   % (0 to 100)\n"
            "  --moisture-content X      kg/kg, g/kg\n"
            "  --mass-flow M             kg/s, kg/h, ... (humid air)\n"
            "  --json                    one object (an array for ranges):\n"
            "                            barometric_pressure, temperature, relative_humidity,\n"
            "                            moisture_content, mass_flow, enthalpy, specific_volume,\n"
            "                            vapour_pressure, dew_point, wet_bulb_temperature,\n"
            "                            dynamic_viscosity, kinematic_viscosity (SI),\n"
            "                            messages, limit_text\n"
            "  --csv                     the same keys as a header, one row per value\n"
            "\n"
            "Exit status 1 when a setter refused its value (the output is printed).\n"
            "\n"
            "Examples:\n"
            "  zentaro-cli air --temperature \"20 st C\" --relative-humidity 50\n"
            "  zentaro-cli air --mode x --temperature 293.15 --moisture-content \"10 g/kg\"\n"
            "  zentaro-cli air --barometric-pressure \"1013 hPa\" --temperature \"-10:40:1 st C\" \\\n"
            "                  --relative-humidity 60 --csv\n";
        c.spec.valueOptions = {"mode", "barometric-pressure", "temperature", "relative-humidity", "moisture-content",
                               "mass-flow"};
        c.spec.flags = {"csv"};
        c.run = Run;
        return c;
    }();
    return command;
}

} // namespace cli
