// convert VALUE FROM TO [--quantity NAME|NUMBER]: the unit converter page's
// conversion.
#include "base/NumberText.h"
#include "cli/Cli.h"
#include "units/Units.h"

namespace cli {

namespace {

std::string QuantityLabel(int q) { return QuantityName(q) + " (" + std::to_string(q) + ")"; }

std::string QuantityListText()
{
    std::string list;
    for (int q = kQuantityFirst; q <= kQuantityLast; q += kQuantityStep) {
        if (!list.empty())
            list += ", ";
        list += QuantityLabel(q);
    }
    return list;
}

int UnitOf(int quantity, const std::string& name, const std::string& which)
{
    const int unit = FindUnit(quantity, name);
    if (unit < 0)
        throw UsageError(which + " unit \"" + name + "\" is not a unit of " + QuantityLabel(quantity) +
                             "; valid units: " + UnitList(quantity),
                         "convert");
    return unit;
}

int InferQuantity(const std::string& from, const std::string& to)
{
    const std::vector<int> both = QuantitiesWithUnits(from, to);
    if (both.size() == 1)
        return both.front();
    if (both.size() > 1) {
        std::string names;
        for (int q : both)
            names += (names.empty() ? "" : ", ") + QuantityLabel(q);
        throw UsageError("units \"" + from + "\" and \"" + to + "\" belong to several quantities (" + names +
                             "); choose one with --quantity",
                         "convert");
    }
    // Name the quantity of whichever unit is known, with its valid units.
    for (const std::string* known : {&from, &to}) {
        const std::vector<int> owners = QuantitiesWithUnits(*known, *known);
        if (owners.size() == 1)
            UnitOf(owners.front(), known == &from ? to : from, known == &from ? "target" : "source");
    }
    throw UsageError("no quantity has both units \"" + from + "\" and \"" + to +
                         "\"; give --quantity to see its units",
                     "convert");
}

int Run(const ParsedArguments& args, Context& context)
{
    const double value = ParsePlainNumber(args.positionals[0], context.localeSeparator, "", "convert");
    const std::string& from = args.positionals[1];
    const std::string& to = args.positionals[2];
    int quantity = 0;
    if (const std::string* text = args.Last("quantity")) {
        quantity = FindQuantity(*text);
        if (quantity == 0)
            throw UsageError("--quantity: unknown quantity \"" + *text + "\"; quantities: " + QuantityListText(),
                             "convert");
    } else {
        quantity = InferQuantity(from, to);
    }
    const int fromUnit = UnitOf(quantity, from, "source");
    const int toUnit = UnitOf(quantity, to, "target");
    const double result = ConvertUnits(quantity, fromUnit, toUnit, value);
    if (context.format == OutputFormat::Table) {
        context.out += FormatG(value) + " " + UnitName(quantity, fromUnit) + " = " + FormatG(result) + " " +
                       UnitName(quantity, toUnit) + "\n";
    } else {
        Record record;
        record.Number("value", result);
        EmitRecords(context, {record});
    }
    return kExitOk;
}

} // namespace

const Command& ConvertCommand()
{
    static const Command command = [] {
        Command c;
        c.name = "convert";
        c.summary = "convert a value between two units of a quantity";
        c.help =
            "Usage: zentaro-cli convert VALUE FROM TO [--quantity NAME|NUMBER] [--json|--csv]\n"
            "\n"
            "Converts VALUE from the unit FROM to the unit TO, as the unit converter\n"
            "page does. Unit names are those of the catalogue (\"st C\", \"kcal/h\",\n"
            "\"m^3/h\"...); quote names with blanks. The quantity is found from the two\n"
            "units; where they belong to more than one quantity (K and st C are both\n"
            "temperatures and temperature differences), name it with --quantity, by its\n"
            "Polish name or its number (3100 Temperatura, 3500 Różnica temperatury).\n"
            "\n"
            "Options:\n"
            "  --quantity Q   the quantity, by name or number\n"
            "  --json         {\"value\": RESULT}\n"
            "  --csv          a header line \"value\" and the result\n"
            "\n"
            "Examples:\n"
            "  zentaro-cli convert 1 mile m\n"
            "  zentaro-cli convert 100 \"st C\" \"st F\" --quantity Temperatura\n"
            "  zentaro-cli convert 9 \"st F\" K --quantity 3500\n"
            "  zentaro-cli convert 1 kcal J --json\n";
        c.spec.valueOptions = {"quantity"};
        c.spec.flags = {"csv"};
        c.spec.minPositionals = 3;
        c.spec.maxPositionals = 3;
        c.run = Run;
        return c;
    }();
    return command;
}

} // namespace cli
