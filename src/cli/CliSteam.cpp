// steam: a fresh CPara, one setter per option in command-line order.
#include "base/NumberText.h"
#include "cli/CliMedium.h"
#include "media/CPara.h"

namespace cli {

namespace {

const std::string kCommand = "steam";

int RegimeOf(const std::string& text)
{
    if (text == "wet" || text == "0")
        return 0;
    if (text == "saturated" || text == "1")
        return 1;
    if (text == "superheated" || text == "2")
        return 2;
    throw UsageError("--regime: \"" + text + "\" is not one of wet, saturated, superheated", kCommand);
}

const char* RegimeName(int regime)
{
    switch (regime) {
    case 0: return "Para nasycona mokra";
    case 1: return "Para nasycona";
    default: return "Para przegrzana";
    }
}

int Run(const ParsedArguments& args, Context& context)
{
    const std::vector<MediumStep> steps = ParseMediumSteps(
        args, {{"temperature", 3100}, {"pressure", 1900}, {"dryness", 9900}, {"mass-flow", 1500}},
        [](const std::string&, const std::string& text) { return RegimeOf(text); }, context, kCommand);

    std::vector<MediumRow> rows;
    ForEachRow(
        steps,
        [&](const std::vector<double>& values) {
            CPara steam;
            SetterLog log;
            for (std::size_t i = 0; i < steps.size(); ++i) {
                const MediumStep& step = steps[i];
                const double v = values[i];
                if (step.option == "regime")
                    log.Add(step, step.choice, steam.SetRegime(step.choice), steam.GetLimitText(), true);
                else if (step.option == "temperature")
                    log.Add(step, v, steam.SetTemperature(v), steam.GetLimitText(), true);
                else if (step.option == "pressure")
                    log.Add(step, v, steam.SetPressure(v), steam.GetLimitText(), true);
                else if (step.option == "dryness")
                    log.Add(step, v, steam.SetDryness(v), steam.GetLimitText(), true);
                else
                    log.Add(step, v, steam.SetMassFlow(v), steam.GetLimitText(), false);
            }
            MediumRow row;
            row.refused = log.AnyRefused();
            const int regime = steam.GetRegime();
            if (context.format == OutputFormat::Table) {
                Table t;
                log.AddRefusals(t);
                t.Line(log.Caption());
                t.Line(RegimeName(regime));
                const bool show = log.Shown() == 0;
                const bool wet = regime != 2;
                auto out = [&](const char* name, double value, int quantity) {
                    t.Row(name, show ? FormatG(value) : std::string(), SIUnit(quantity));
                };
                t.Row("Temperatura", FormatG(steam.GetTemperature()), SIUnit(3100));
                t.Row("Ciśnienie", FormatG(steam.GetPressure()), SIUnit(1900));
                if (wet)
                    t.Row("Suchość", FormatG(steam.GetDryness()), SIUnit(9900));
                t.Row("Strumień masy", FormatG(steam.GetMassFlow()), SIUnit(1500));
                out("Entalpia", steam.GetEnthalpy(), 2500);
                out("Objętość właściwa pary", steam.GetSpecificVolume(), 3400);
                if (wet) {
                    out("Objętość właściwa wody", steam.GetWaterVolume(), 3400);
                    out("Ciepło parowania", steam.GetHeatOfVaporisation(), 2500);
                }
                out("Lepkość dynamiczna", steam.GetDynamicViscosity(), 2200);
                out("Lepkość kinematyczna", steam.GetKinematicViscosity(), 2100);
                row.table = t.Render();
            } else {
                Record& r = row.record;
                r.Integer("regime", regime);
                r.Number("temperature", steam.GetTemperature());
                r.Number("pressure", steam.GetPressure());
                r.Number("dryness", steam.GetDryness());
                r.Number("mass_flow", steam.GetMassFlow());
                r.Number("enthalpy", steam.GetEnthalpy());
                r.Number("specific_volume", steam.GetSpecificVolume());
                r.Number("water_volume", steam.GetWaterVolume());
                r.Number("heat_of_vaporisation", steam.GetHeatOfVaporisation());
                r.Number("dynamic_viscosity", steam.GetDynamicViscosity());
                r.Number("kinematic_viscosity", steam.GetKinematicViscosity());
                r.IntegerList("messages", log.Messages());
                r.Text("limit_text", steam.GetLimitText());
            }
            rows.push_back(std::move(row));
        },
        kCommand);
    return EmitMediumRows(context, rows);
}

} // namespace

const Command& SteamCommand()
{
    static const Command command = [] {
        Command c;
        c.name = kCommand;
        c.summary = "properties of wet, saturated and superheated steam";
        c.help =
            "Usage: zentaro-cli steam [--regime wet|saturated|superheated] [--temperature T]\n"
            "                         [--pressure P] [--dryness X] [--mass-flow M] [--json|--csv]\n"
            "\n"
            "Properties of water steam from a fresh model: one setter per option, in the\n"
            "order given. The model is stateful, so order matters exactly as in the\n"
            "window: set the regime first, then the values. In the superheated regime\n"
            "the temperature is checked against the saturation temperature of the\n"
            "pressure held at that moment, and the pressure against the saturation\n"
            "pressure of the temperature held; a fresh model holds 0 K and 0 Pa, wet.\n"
            "Numeric values take a unit, or a range START:STOP:STEP in that unit.\n"
            "\n"
            "Options:\n"
            "  --regime R        wet (0), saturated (1) or superheated (2)\n"
            "  --temperature T   K, st C, st F, st Rank\n"
            "  --pressure P      Pa, kPa, bar, MPa, at, ...\n"
            "  --dryness X       0 to 1\n"
            "  --mass-flow M     kg/s, kg/h, t/h, ...\n"
            "  --json            one object (an array for ranges): regime, temperature,\n"
            "                    pressure, dryness, mass_flow, enthalpy, specific_volume,\n"
            "                    water_volume, heat_of_vaporisation, dynamic_viscosity,\n"
            "                    kinematic_viscosity (SI), messages, limit_text\n"
            "  --csv             the same keys as a header, one row per value\n"
            "\n"
            "Exit status 1 when a setter refused its value (the output is printed).\n"
            "\n"
            "Examples:\n"
            "  zentaro-cli steam --regime wet --temperature \"100 st C\" --dryness 0.9\n"
            "  zentaro-cli steam --regime saturated --pressure \"1:20:1 bar\" --csv\n"
            "  zentaro-cli steam --regime superheated --pressure \"10 bar\" --temperature 800 --json\n";
        c.spec.valueOptions = {"regime", "temperature", "pressure", "dryness", "mass-flow"};
        c.spec.flags = {"csv"};
        c.run = Run;
        return c;
    }();
    return command;
}

} // namespace cli
