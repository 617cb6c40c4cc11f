// air: a fresh humid-air model, one setter per option in command-line
// order; --mode sets the input mode that the following setters pass on.
#include <fstream>
#include <optional>

#include "cli/CliMedium.h"
#include "pages/AirTable.h"
#include "pages/HxChartScene.h"
#include "units/Quantities.h"

namespace cli {

namespace {

const std::string kCommand = "air";
// Set on the page's slider, so not a field of the table.
const std::string kBarometricPressure = "barometric-pressure";
const std::string kBarometricPressureKey = "barometric_pressure";
// Where the help's option descriptions start.
constexpr std::size_t kOptionColumn = 28;
// The h-x chart as an SVG file, at the chart window's size.
const std::string kChart = "chart";
constexpr double kChartWidth = 900;   // px
constexpr double kChartHeight = 700;  // px

int ModeOf(const std::string& text)
{
    if (text == "rh")
        return CPowietrze::kRelativeHumidityMode;
    if (text == "x")
        return CPowietrze::kMoistureContentMode;
    throw UsageError("--mode: \"" + text + "\" is neither rh nor x", kCommand);
}

std::map<std::string, int> AirOptions()
{
    std::map<std::string, int> options = OptionQuantities(kAirTable);
    options[kBarometricPressure] = kQuantityPressure;
    return options;
}

// The chart at the model's barometric pressure, with its state when the
// model holds one that no message refused; texts with the user's separator.
void WriteChart(const std::string& path, const HumidAirInput& air, bool shown, const Context& context)
{
    const HxChart chart(air.GetBarometricPressure());
    HxMarks marks;
    if (shown)
        marks.current = HxStateOf(air);
    const HxRange range = chart.DefaultRange(marks.Points());
    std::string svg;
    {
        const SeparatorScope texts(context.localeSeparator);
        svg = HxSceneSvg(BuildHxScene(chart, chart.Lines(range), HxView(chart, range, kChartWidth, kChartHeight),
                                      marks));
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << svg;
    file.close();
    if (!file)
        throw UsageError("--chart: cannot write \"" + path + "\"", kCommand);
}

int Run(const ParsedArguments& args, Context& context)
{
    // --chart names a file; every other value option is a setter or --mode.
    ParsedArguments setters = args;
    std::erase_if(setters.options, [](const auto& option) { return option.first == kChart; });
    const std::string* chartPath = args.Last(kChart);
    if (chartPath != nullptr && chartPath->empty())
        throw UsageError("--chart: no file name", kCommand);

    const std::vector<MediumStep> steps = ParseMediumSteps(
        setters, AirOptions(), [](const std::string&, const std::string& text) { return ModeOf(text); }, context,
        kCommand);
    if (chartPath != nullptr)
        for (const MediumStep& step : steps)
            if (step.Count() > 1)
                throw UsageError("--chart draws one state: --" + step.option + " is a range", kCommand);
    std::optional<HumidAirInput> charted;
    bool chartedShown = false;

    MediumRowWriter rows(context);
    ForEachRow(
        steps,
        [&](const std::vector<double>& values) {
            HumidAirInput air;   // relative humidity given, at first
            SetterLog log;
            for (std::size_t i = 0; i < steps.size(); ++i) {
                const MediumStep& step = steps[i];
                if (const PropertyRow<HumidAirInput>* field = RowOfOption(kAirTable, step.option))
                    CallSetter(air, *field, step, values[i], log);
                else if (step.option == kBarometricPressure)
                    log.Add(step, values[i], air.SetBarometricPressureInMode(values[i]), air.GetLimitText(), true);
                else
                    air.SetMode(step.choice);   // --mode: not a setter, nothing is called
            }
            MediumRow row;
            row.refused = log.AnyRefused();
            const bool shown = log.Shown() == 0;
            charted = air;
            chartedShown = shown;
            const std::vector<std::string> notes = NoteTexts(AccuracyNotes(air), shown);
            if (context.format == OutputFormat::Table) {
                Table t;
                log.AddRefusals(t);
                t.Line(log.Caption());
                t.Row(PlainLabel(kBarometerLabel), FormatG(air.GetBarometricPressure()), SIUnit(kQuantityPressure));
                // The given humidity always shows; the derived one only
                // while no message stands, like the outputs.
                const std::size_t derived = DerivedHumidityRow(air.Mode());
                for (std::size_t i = 0; i < kAirTable.size(); ++i) {
                    const PropertyRow<HumidAirInput>& field = kAirTable[i];
                    AddPropertyRow(t, field, air, shown || (field.IsTyped() && i != derived));
                }
                AddNoteLines(t, notes);
                row.table = t.Render();
            } else {
                Record& r = row.record;
                r.Number(kBarometricPressureKey, air.GetBarometricPressure());
                AddPropertyNumbers(r, kAirTable, air);
                r.IntegerList("messages", log.Messages());
                r.Text("limit_text", air.GetLimitText());
                AddNotes(r, notes);
            }
            rows.Add(row);
        },
        kCommand);
    if (chartPath != nullptr && charted)
        WriteChart(*chartPath, *charted, chartedShown, context);
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
            "                       [--mass-flow M] [--chart FILE.svg] [--json|--csv]\n"
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
            "  --chart FILE.svg          also writes the h-x chart at the barometric\n"
            "                            pressure, with the state unless a setter\n"
            "                            refused its value, as SVG (no ranges)\n"
            + JsonHelp(kBarometricPressureKey + ", " + PropertyKeys(kAirTable), kOptionColumn) +
            "                            (a dew point or wet-bulb temperature below 253.15 K\n"
            "                            is null, an empty field in CSV)\n"
            "  --csv                     the same keys as a header, one row per value\n"
            "\n"
            "Exit status 1 when a setter refused its value (the output is printed).\n"
            "\n"
            "Examples:\n"
            "  zentaro-cli air --temperature \"20 st C\" --relative-humidity 50\n"
            "  zentaro-cli air --mode x --temperature 293.15 --moisture-content \"10 g/kg\"\n"
            "  zentaro-cli air --barometric-pressure \"1013 hPa\" --temperature \"-10:40:1 st C\" \\\n"
            "                  --relative-humidity 60 --csv\n"
            "  zentaro-cli air --temperature \"26 st C\" --relative-humidity 55 --chart hx.svg\n";
        c.spec.valueOptions = {"mode", kChart};
        for (const auto& [option, quantity] : AirOptions())
            c.spec.valueOptions.insert(option);
        c.spec.flags = {"csv"};
        c.run = Run;
        return c;
    }();
    return command;
}

} // namespace cli
