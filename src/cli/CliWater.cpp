// water: a fresh CWoda, one setter per option in command-line order.
#include "cli/CliMedium.h"
#include "pages/WaterTable.h"

namespace cli {

namespace {

const std::string kCommand = "water";

int Run(const ParsedArguments& args, Context& context)
{
    const std::vector<MediumStep> steps = ParseMediumSteps(
        args, OptionQuantities(kWaterTable),
        [](const std::string& option, const std::string&) -> int {
            throw UsageError("unknown option --" + option, kCommand);
        },
        context, kCommand);

    MediumRowWriter rows(context);
    ForEachRow(
        steps,
        [&](const std::vector<double>& values) {
            CWoda water;
            SetterLog log;
            for (std::size_t i = 0; i < steps.size(); ++i)
                CallSetter(water, *RowOfOption(kWaterTable, steps[i].option), steps[i], values[i], log);
            MediumRow row;
            row.refused = log.AnyRefused();
            const std::vector<std::string> notes = NoteTexts(AccuracyNotes(water), log.Shown() == 0);
            if (context.format == OutputFormat::Table) {
                Table t;
                log.AddRefusals(t);
                t.Line(log.Caption());
                AddPropertyRows(t, kWaterTable, water, log.Shown() == 0);
                AddNoteLines(t, notes);
                row.table = t.Render();
            } else {
                Record& r = row.record;
                AddPropertyNumbers(r, kWaterTable, water);
                r.IntegerList("messages", log.Messages());
                r.Text("limit_text", water.GetLimitText());
                AddNotes(r, notes);
            }
            rows.Add(row);
        },
        kCommand);
    return rows.Finish();
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
            + JsonHelp(PropertyKeys(kWaterTable)) +
            "  --csv             the same keys as a header, one row per value\n"
            "\n"
            "Exit status 1 when a setter refused its value (the output is printed).\n"
            "\n"
            "Examples:\n"
            "  zentaro-cli water --temperature \"20 st C\"\n"
            "  zentaro-cli water --temperature 293.15 --pressure \"3 bar\" --json\n"
            "  zentaro-cli water --temperature \"0:150:5 st C\" --csv > water.csv\n";
        for (const auto& [option, quantity] : OptionQuantities(kWaterTable))
            c.spec.valueOptions.insert(option);
        c.spec.flags = {"csv"};
        c.run = Run;
        return c;
    }();
    return command;
}

} // namespace cli
