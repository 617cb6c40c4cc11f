// steam: a fresh CPara, one setter per option in command-line order.
#include "cli/CliMedium.h"
#include "pages/SteamTable.h"

namespace cli {

namespace {

const std::string kCommand = "steam";

int RegimeOf(const std::string& text)
{
    if (text == "wet" || text == "0")
        return CPara::kWet;
    if (text == "saturated" || text == "1")
        return CPara::kSaturated;
    if (text == "superheated" || text == "2")
        return CPara::kSuperheated;
    throw UsageError("--regime: \"" + text + "\" is not one of wet, saturated, superheated", kCommand);
}

int Run(const ParsedArguments& args, Context& context)
{
    const std::vector<MediumStep> steps = ParseMediumSteps(
        args, OptionQuantities(kSteamTable), [](const std::string&, const std::string& text) { return RegimeOf(text); },
        context, kCommand);

    MediumRowWriter rows(context);
    ForEachRow(
        steps,
        [&](const std::vector<double>& values) {
            CPara steam;
            SetterLog log;
            for (std::size_t i = 0; i < steps.size(); ++i) {
                const MediumStep& step = steps[i];
                if (const PropertyRow<CPara>* field = RowOfOption(kSteamTable, step.option))
                    CallSetter(steam, *field, step, values[i], log);
                else  // --regime
                    log.Add(step, step.choice, steam.SetRegime(step.choice), steam.GetLimitText(), true);
            }
            MediumRow row;
            row.refused = log.AnyRefused();
            const std::vector<std::string> notes = NoteTexts(AccuracyNotes(steam), log.Shown() == 0);
            if (context.format == OutputFormat::Table) {
                Table t;
                log.AddRefusals(t);
                t.Line(log.Caption());
                t.Line(SteamRegimeName(steam.GetRegime()));
                AddPropertyRows(t, kSteamTable, steam, log.Shown() == 0);
                AddNoteLines(t, notes);
                row.table = t.Render();
            } else {
                Record& r = row.record;
                r.Integer("regime", steam.GetRegime());
                AddPropertyNumbers(r, kSteamTable, steam);
                r.IntegerList("messages", log.Messages());
                r.Text("limit_text", steam.GetLimitText());
                AddNotes(r, notes);
            }
            rows.Add(row);
        },
        kCommand);
    return rows.Finish();
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
            + JsonHelp("regime, " + PropertyKeys(kSteamTable)) +
            "  --csv             the same keys as a header, one row per value\n"
            "\n"
            "Exit status 1 when a setter refused its value (the output is printed).\n"
            "\n"
            "Examples:\n"
            "  zentaro-cli steam --regime wet --temperature \"100 st C\" --dryness 0.9\n"
            "  zentaro-cli steam --regime saturated --pressure \"1:20:1 bar\" --csv\n"
            "  zentaro-cli steam --regime superheated --pressure \"10 bar\" --temperature 800 --json\n";
        c.spec.valueOptions = {"regime"};
        for (const auto& [option, quantity] : OptionQuantities(kSteamTable))
            c.spec.valueOptions.insert(option);
        c.spec.flags = {"csv"};
        c.run = Run;
        return c;
    }();
    return command;
}

} // namespace cli
