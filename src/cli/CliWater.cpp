// water: a fresh CWoda, one setter per option in command-line order.
#include "base/NumberText.h"
#include "cli/CliMedium.h"
#include "media/CWoda.h"

namespace cli {

namespace {

const std::string kCommand = "water";

int Run(const ParsedArguments& args, Context& context)
{
    const std::vector<MediumStep> steps = ParseMediumSteps(
        args, {{"temperature", 3100}, {"pressure", 1900}, {"mass-flow", 1500}},
        [](const std::string& option, const std::string&) -> int {
            throw UsageError("unknown option --" + option, kCommand);
        },
        context, kCommand);

    std::vector<MediumRow> rows;
    ForEachRow(
        steps,
        [&](const std::vector<double>& values) {
            CWoda water;
            SetterLog log;
            for (std::size_t i = 0; i < steps.size(); ++i) {
                const MediumStep& step = steps[i];
                const double v = values[i];
                if (step.option == "temperature")
                    log.Add(step, v, water.SetTemperature(v), water.GetLimitText(), true);
                else if (step.option == "pressure")
                    log.Add(step, v, water.SetPressure(v), water.GetLimitText(), true);
                else
                    log.Add(step, v, water.SetMassFlow(v), water.GetLimitText(), false);
            }
            MediumRow row;
            row.refused = log.AnyRefused();
            if (context.format == OutputFormat::Table) {
                Table t;
                log.AddRefusals(t);
                t.Line(log.Caption());
                // As on the page: the outputs stay empty while a message stands.
                const bool show = log.Shown() == 0;
                auto out = [&](const char* name, double value, int quantity) {
                    t.Row(name, show ? FormatG(value) : std::string(), SIUnit(quantity));
                };
                t.Row("Temperatura", FormatG(water.GetTemperature()), SIUnit(3100));
                t.Row("Ciśnienie", FormatG(water.GetPressure()), SIUnit(1900));
                t.Row("Strumień masy", FormatG(water.GetMassFlow()), SIUnit(1500));
                out("Gęstość", water.GetDensity(), 2000);
                out("Rozszerzalność objętościowa", water.GetExpansion(), 3200);
                out("Ciepło właściwe", water.GetSpecificHeat(), 2600);
                out("Entalpia", water.GetEnthalpy(), 2500);
                out("Przewodność cieplna", water.GetConductivity(), 2700);
                out("Lepkość dynamiczna", water.GetDynamicViscosity(), 2200);
                out("Lepkość kinematyczna", water.GetKinematicViscosity(), 2100);
                out("Napięcie powierzchniowe", water.GetSurfaceTension(), 3300);
                out("Liczba Prandtla", water.GetPrandtl(), 9900);
                row.table = t.Render();
            } else {
                Record& r = row.record;
                r.Number("temperature", water.GetTemperature());
                r.Number("pressure", water.GetPressure());
                r.Number("mass_flow", water.GetMassFlow());
                r.Number("density", water.GetDensity());
                r.Number("expansion", water.GetExpansion());
                r.Number("specific_heat", water.GetSpecificHeat());
                r.Number("enthalpy", water.GetEnthalpy());
                r.Number("conductivity", water.GetConductivity());
                r.Number("dynamic_viscosity", water.GetDynamicViscosity());
                r.Number("kinematic_viscosity", water.GetKinematicViscosity());
                r.Number("prandtl", water.GetPrandtl());
                r.Number("surface_tension", water.GetSurfaceTension());
                r.IntegerList("messages", log.Messages());
                r.Text("limit_text", water.GetLimitText());
            }
            rows.push_back(std::move(row));
        },
        kCommand);
    return EmitMediumRows(context, rows);
}

} // namespace

const Command& WaterCommand()
{
    static const Command command = [] {
        Command c;
        c.name = kCommand;
        c.summary = "properties of liquid water (273.15 K to 423.15 K)";
        c.help =
            "Usage: zentaro-cli water [--temperature T] [--pressure P] [--mass-flow M]\n"
            "                         [--json|--csv]\n"
            "\n"
            "Properties of liquid water from a fresh model: one setter per option, in\n"
            "the order given (an option may be repeated). Each value is a number,\n"
            "optionally with a unit, or a range START:STOP:STEP in that unit; every\n"
            "value of a range reruns the whole sequence on a fresh model.\n"
            "\n"
            "A fresh model holds 0 K (refused), 100000 Pa and 1 kg/s and no properties\n"
            "until a temperature is accepted. The pressure, from 1e5 to 1e7 Pa, and\n"
            "the mass flow enter no property.\n"
            "\n"
            "Options:\n"
            "  --temperature T   K, st C, st F, st Rank\n"
            "  --pressure P      Pa, kPa, bar, MPa, at, ...\n"
            "  --mass-flow M     kg/s, kg/h, t/h, ...\n"
            "  --json            one object (an array for ranges): temperature, pressure,\n"
            "                    mass_flow, density, expansion, specific_heat, enthalpy,\n"
            "                    conductivity, dynamic_viscosity, kinematic_viscosity,\n"
            "                    prandtl, surface_tension (SI), messages, limit_text\n"
            "  --csv             the same keys as a header, one row per value\n"
            "\n"
            "Exit status 1 when a setter refused its value (the output is printed).\n"
            "\n"
            "Examples:\n"
            "  zentaro-cli water --temperature \"20 st C\"\n"
            "  zentaro-cli water --temperature 293.15 --pressure \"3 bar\" --json\n"
            "  zentaro-cli water --temperature \"0:150:5 st C\" --csv > water.csv\n";
        c.spec.valueOptions = {"temperature", "pressure", "mass-flow"};
        c.spec.flags = {"csv"};
        c.run = Run;
        return c;
    }();
    return command;
}

} // namespace cli
