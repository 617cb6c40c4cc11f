// calc: the calculator page's keys pressed on a fresh paper tape, and the
// tape printed as the page shows it.
#include <algorithm>

#include "base/NumberText.h"
#include "calc/Tasma.h"
#include "calc/Wezel.h"
#include "cli/Cli.h"
#include "cli/CliCalcKeys.h"
#include "units/PolishOrder.h"
#include "units/Units.h"

namespace cli {

namespace {

const std::string kCommand = "calc";

// The page's quantity list is sorted; its first entry is selected at start.
int FirstQuantityInListOrder()
{
    int first = kQuantityFirst;
    for (int q = kQuantityFirst; q <= kQuantityLast; q += kQuantityStep)
        if (PolishLess(QuantityName(q), QuantityName(first)))
            first = q;
    return first;
}

AngleMode AngleOf(int number)
{
    switch (number) {
    case 0: return AngleMode::Deg;
    case 1: return AngleMode::Rad;
    default: return AngleMode::Grad;
    }
}

int OperatorKind(int sign)
{
    switch (sign) {
    case '+': return kKindSuma;
    case '-': return kKindRoznica;
    case '*': return kKindIloczyn;
    default: return kKindIloraz;
    }
}

void Press(CTasma& tape, const CalcKey& key, std::vector<std::string>& infos)
{
    switch (key.kind) {
    case CalcKeyKind::Digit: tape.Digit(key.number); break;
    case CalcKeyKind::Separator: tape.Separator(); break;
    case CalcKeyKind::Sign: tape.ToggleSign(); break;
    case CalcKeyKind::Exp: tape.Exp(); break;
    case CalcKeyKind::Clear: tape.ClearNumber(); break;
    case CalcKeyKind::ClearAll: tape.ClearAll(); break;
    case CalcKeyKind::Backspace: tape.Backspace(); break;
    case CalcKeyKind::Operator: tape.Operator(OperatorKind(key.number)); break;
    case CalcKeyKind::Function: tape.Function(key.number); break;
    case CalcKeyKind::Close: tape.CloseBracket(); break;
    case CalcKeyKind::Equals: tape.Result(); break;
    case CalcKeyKind::Pi: tape.Pi(); break;
    case CalcKeyKind::Select:
        // The page's list offers only the lines it shows.
        if (key.number >= tape.TokenCount())
            throw UsageError("key \"" + key.word + "\": the tape has only " + std::to_string(tape.TokenCount()) +
                                 (tape.TokenCount() == 1 ? " line" : " lines") + " at that point",
                             kCommand);
        tape.Select(key.number);
        break;
    case CalcKeyKind::Angle: tape.SetAngleMode(AngleOf(key.number)); break;
    case CalcKeyKind::Fix: tape.SetFix(!tape.Fix()); break;
    case CalcKeyKind::Decimals: tape.SetDecimals(key.number); break;
    case CalcKeyKind::Exponent: tape.SetExponentY(key.value); break;
    case CalcKeyKind::Paste: tape.Paste(key.text); break;
    case CalcKeyKind::Info: infos.push_back(tape.InfoText()); break;
    }
}

int Run(const ParsedArguments& args, Context& context)
{
    const std::vector<CalcKey> keys = ParseCalcKeys(args.positionals, context.localeSeparator);
    if (keys.empty())
        throw UsageError("no keys given", kCommand);

    // The page's settings before the first key: what its controls show.
    int decimals = 5;
    if (const std::string* text = args.Last("decimals"))
        decimals = ParseInteger(*text, 0, 11, "decimals", kCommand);
    AngleMode angle = AngleMode::Deg;
    if (const std::string* text = args.Last("angle")) {
        if (*text == "deg")
            angle = AngleMode::Deg;
        else if (*text == "rad")
            angle = AngleMode::Rad;
        else if (*text == "grad")
            angle = AngleMode::Grad;
        else
            throw UsageError("--angle: \"" + *text + "\" is not one of deg, rad, grad", kCommand);
    }
    double y = 1;
    if (const std::string* text = args.Last("y"))
        y = ParsePlainNumber(*text, context.localeSeparator, "y", kCommand);
    const std::string* quantityText = args.Last("quantity");
    const std::string* unitA = args.Last("unit-a");
    const std::string* unitB = args.Last("unit-b");
    ConversionPairResult conversion{1, 0};
    if (quantityText != nullptr || unitA != nullptr || unitB != nullptr) {
        // A unit not named is the quantity's first (SI) unit, as the page
        // selects it.
        const int defaultQuantity = quantityText != nullptr ? FindQuantity(*quantityText) : FirstQuantityInListOrder();
        const std::string a = unitA != nullptr ? *unitA : UnitName(defaultQuantity, 0);
        const std::string b = unitB != nullptr ? *unitB : UnitName(defaultQuantity, 0);
        const UnitPair pair = ResolveUnits(quantityText, a, b, kCommand);
        conversion = ConversionPair(pair.quantity, pair.from, pair.to);
    }

    CTasma tape;
    tape.SetFix(!args.Has("no-fix"));
    tape.SetDecimals(decimals);
    tape.SetAngleMode(angle);
    tape.SetExponentY(y);
    tape.SetConversion(conversion.multiplier, conversion.offset);

    std::vector<std::string> infos;
    for (const CalcKey& key : keys)
        Press(tape, key, infos);

    const std::vector<std::string>& lines = tape.Lines();
    if (context.format == OutputFormat::Table) {
        for (const std::string& line : lines)
            context.out += line + "\n";
        for (const std::string& info : infos)
            context.out += "\n" + info + "\n";
        return kExitOk;
    }
    std::string json = "{\"lines\": [";
    for (std::size_t i = 0; i < lines.size(); ++i)
        json += (i != 0 ? ", " : "") + JsonString(lines[i]);
    json += "], \"cursor\": " + std::to_string(tape.Cursor()) + ", \"results\": [";
    bool first = true;
    for (int i = 0; i < tape.TokenCount(); ++i) {
        const CWezel* node = tape.Token(i);
        if (node->m_kind != kKindWynik)
            continue;
        json += (first ? "" : ", ") + JsonString(node->m_valueText);
        first = false;
    }
    json += "]";
    if (!infos.empty()) {
        json += ", \"info\": [";
        for (std::size_t i = 0; i < infos.size(); ++i)
            json += (i != 0 ? ", " : "") + JsonString(infos[i]);
        json += "]";
    }
    json += "}\n";
    context.out += json;
    return kExitOk;
}

} // namespace

const Command& CalcCommand()
{
    static const Command command = [] {
        Command c;
        c.name = kCommand;
        c.summary = "press the calculator's keys and print its paper tape";
        c.help =
            "Usage: zentaro-cli calc [--decimals N] [--no-fix] [--angle deg|rad|grad] [--y Y]\n"
            "                        [--quantity Q] [--unit-a A] [--unit-b B] [--json] KEYS...\n"
            "\n"
            "Presses the calculator page's keys on a fresh paper tape and prints the tape\n"
            "exactly as the page shows it: one line per token, tabs and blanks included,\n"
            "numbers with the locale's decimal separator. Nothing is computed before \"=\".\n"
            "\n"
            "KEYS are words separated by blanks, in one argument or several (letter case\n"
            "is ignored; quote the words the shell would expand, such as * and ( )):\n"
            "  0 ... 9          digits; a number written out (12.5) is its keys one by one\n"
            "  , or .           the decimal separator key\n"
            "  +/-  EXP  C  CE  BS (backspace)  PI  =\n"
            "  + - * /          operators\n"
            "  ( )              brackets\n"
            "  1/x SQRT QURT X^2 X^Y X^1/Y 10^X e^X log ln\n"
            "  sin cos tan arcsin arccos arctan sinh cosh tanh arsinh arcosh artanh\n"
            "  A->B B->A        unit conversion between units A and B of the quantity\n"
            "  select:N         select line N (from 0); the following keys act on it\n"
            "  Deg Rad Grad     angle mode; Fix toggles the fixed-point format\n"
            "  dec:N            decimals, 0 to 11;  y:V  the exponent of X^Y and X^1/Y\n"
            "  paste:TEXT       paste TEXT as the clipboard would give it\n"
            "  Info             the intermediate value of the selected token\n"
            "\n"
            "Options (the page's controls before the first key):\n"
            "  --decimals N     0 to 11 (5)\n"
            "  --no-fix         exponent format (\"Fix\" cleared)\n"
            "  --angle A        deg (the start), rad or grad\n"
            "  --y Y            the exponent y (1)\n"
            "  --quantity Q     the quantity of A->B and B->A, by name or number; without\n"
            "                   it the two units name it\n"
            "  --unit-a A       unit A (the quantity's first unit unless given)\n"
            "  --unit-b B       unit B (likewise)\n"
            "  --json           {\"lines\": [...], \"cursor\": N, \"results\": [...]}, with\n"
            "                   \"info\": [...] when Info was pressed\n"
            "\n"
            "Examples:\n"
            "  zentaro-cli calc 2 + 3 =\n"
            "  zentaro-cli calc \"1 / 3 = * 3 =\"\n"
            "  zentaro-cli calc --angle rad sin PI ')' =\n"
            "  zentaro-cli calc --quantity Temperatura --unit-a \"st C\" --unit-b K A-\\>B 20 =\n"
            "  zentaro-cli calc 2 + 3 = select:2 5 --json\n";
        c.spec.valueOptions = {"decimals", "angle", "y", "quantity", "unit-a", "unit-b"};
        c.spec.flags = {"no-fix"};
        c.spec.maxPositionals = 1000000;
        c.machineSeparator = false;
        c.run = Run;
        return c;
    }();
    return command;
}

} // namespace cli
