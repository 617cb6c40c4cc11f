// convert VALUE FROM TO [--quantity NAME|NUMBER]: the unit converter page's
// conversion.
#include <cmath>

#include "base/NumberText.h"
#include "base/StringTable.h"
#include "cli/Cli.h"
#include "media/Messages.h"
#include "units/Units.h"

namespace cli {

namespace {

int Run(const ParsedArguments& args, Context& context)
{
    const double value = ParsePlainNumber(args.positionals[0], context.localeSeparator, "", "convert");
    const UnitPair pair = ResolveUnits(args.Last("quantity"), args.positionals[1], args.positionals[2], "convert");
    const int quantity = pair.quantity;
    const int fromUnit = pair.from;
    const int toUnit = pair.to;
    const double result = ConvertUnits(quantity, fromUnit, toUnit, value);
    if (context.format == OutputFormat::Table) {
        context.out += FormatG(value) + " " + UnitName(quantity, fromUnit) + " = " + FormatG(result) + " " +
                       UnitName(quantity, toUnit) + "\n";
    } else {
        Record record;
        record.Number("value", result);
        EmitRecords(context, {record});
    }
    // A result too large for the target unit is shown as the converter
    // page shows it, and refused as the property models refuse it.
    if (!std::isfinite(result)) {
        const SeparatorScope userSeparator(context.localeSeparator);
        context.messages += "zentaro-cli convert: " + FormatG(value) + " " + UnitName(quantity, fromUnit) + " in " +
                            UnitName(quantity, toUnit) + ": " + LoadText(kMsgValueNotFinite) + "\n";
        return kExitMessage;
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
            "Exit status 1 when the result is too large for the target unit: it is\n"
            "printed as inf, and a message on standard error says so.\n"
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
