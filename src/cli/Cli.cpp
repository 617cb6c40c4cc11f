#include "cli/Cli.h"

#include <exception>

#include "base/BuildInfo.h"
#include "base/NumberText.h"

namespace cli {

namespace {

constexpr const char* kProgram = "zentaro-cli";

std::string ProgramHelp()
{
    std::string text =
        "Usage: zentaro-cli COMMAND [OPTIONS]\n"
        "\n"
        "The Zentaro engine on the command line: properties of water, steam and\n"
        "humid air, unit conversion, flow sizing and the calculator tape, computed\n"
        "exactly as the Zentaro window computes them.\n"
        "\n"
        "Commands:\n";
    std::size_t width = 0;
    for (const Command& c : Commands())
        width = std::max(width, c.name.size());
    for (const Command& c : Commands())
        text += "  " + c.name + std::string(width - c.name.size() + 3, ' ') + c.summary + "\n";
    text +=
        "\n"
        "Values are numbers in C syntax, optionally followed by a unit of the\n"
        "option's quantity, e.g. --temperature \"20 st C\" or --pressure \"1 bar\".\n"
        "Under a locale with a decimal comma, 20,5 is read as well as 20.5.\n"
        "\n"
        "Output: a readable table; --json writes one JSON object, --csv one row per\n"
        "value of a range START:STOP:STEP.\n"
        "\n"
        "Exit status: 0 success; 1 a model refused a value (output still printed);\n"
        "2 usage error (message on standard error, nothing on standard output);\n"
        "3 the output could not be written.\n"
        "\n"
        "Examples:\n"
        "  zentaro-cli water --temperature \"20 st C\"\n"
        "  zentaro-cli convert 1 mile m\n"
        "  zentaro-cli COMMAND --help\n";
    return text;
}

const Command* FindCommand(const std::string& name)
{
    for (const Command& c : Commands())
        if (c.name == name)
            return &c;
    return nullptr;
}

std::string UsageMessage(const UsageError& error, const std::string& command)
{
    const std::string where = command.empty() ? std::string(kProgram) : std::string(kProgram) + " " + command;
    return where + ": " + error.what() + "\n" + "Try '" + where + " --help' for more information.\n";
}

int RunCommand(const Command& command, const std::vector<std::string>& args, Output& out, std::string& err)
{
    ArgumentSpec spec = command.spec;
    if (command.machineOutput)
        spec.flags.insert("json");
    const ParsedArguments parsed = ParseArguments(args, spec, command.name);
    if (parsed.help) {
        out += command.help;
        return kExitOk;
    }
    Context context(out);
    context.localeSeparator = DecimalSeparator();
    if (parsed.Has("json") && parsed.Has("csv"))
        throw UsageError("--json and --csv exclude each other", command.name);
    if (parsed.Has("json"))
        context.format = OutputFormat::Json;
    else if (parsed.Has("csv"))
        context.format = OutputFormat::Csv;
    // Machine-readable output always has a full stop, model texts included.
    SeparatorScope separator(context.format == OutputFormat::Table || !command.machineSeparator
                                 ? context.localeSeparator
                                 : '.');
    const int status = command.run(parsed, context);
    err += context.messages;
    return status;
}

int Run(const std::vector<std::string>& args, Output& out, std::string& err, std::string& commandName)
{
    if (args.empty())
        throw UsageError("missing command");
    const std::string& first = args.front();
    if (first == "-h" || first == "--help") {
        if (args.size() > 1)
            throw UsageError("unexpected argument \"" + args[1] + "\"");
        out += ProgramHelp();
        return kExitOk;
    }
    if (first == "--version") {
        if (args.size() > 1)
            throw UsageError("unexpected argument \"" + args[1] + "\"");
        out += std::string(kProgram) + " " + kZentaroVersion + "\n";
        return kExitOk;
    }
    if (first == "help") {
        if (args.size() == 1) {
            out += ProgramHelp();
            return kExitOk;
        }
        if (args.size() > 2)
            throw UsageError("help takes one command name");
        const Command* command = FindCommand(args[1]);
        if (command == nullptr)
            throw UsageError("unknown command \"" + args[1] + "\"");
        out += command->help;
        return kExitOk;
    }
    const Command* command = FindCommand(first);
    if (command == nullptr)
        throw UsageError("unknown command \"" + first + "\"");
    commandName = command->name;
    return RunCommand(*command, std::vector<std::string>(args.begin() + 1, args.end()), out, err);
}

} // namespace

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = [] {
        std::vector<Command> all;
        all.push_back(WaterCommand());
        all.push_back(SteamCommand());
        all.push_back(AirCommand());
        all.push_back(ConvertCommand());
        all.push_back(FlowCommand());
        all.push_back(FrictionCommand());
        all.push_back(SizeCommand());
        all.push_back(KvCommand());
        all.push_back(CalcCommand());
        return all;
    }();
    return commands;
}

void RecordWriter::Add(const Record& record)
{
    Output& out = context_.out;
    text_.clear();
    if (context_.format == OutputFormat::Csv) {
        if (count_ == 0) {
            text_ += record.CsvHeader();
            text_ += '\n';
        }
        record.AppendCsvRow(text_);
        text_ += '\n';
        out += text_;
    } else if (count_ == 0) {
        record.AppendJson(first_);
    } else {
        if (count_ == 1) {
            out += "[\n";
            out += first_;
            first_.clear();
        }
        text_ += ",\n";
        record.AppendJson(text_);
        out += text_;
    }
    ++count_;
}

void RecordWriter::Finish()
{
    if (context_.format == OutputFormat::Csv || count_ == 0)
        return;
    Output& out = context_.out;
    if (count_ == 1) {
        out += first_;
        out += '\n';
    } else {
        out += "\n]\n";
    }
}

void EmitRecords(Context& context, const std::vector<Record>& records)
{
    RecordWriter writer(context);
    for (const Record& r : records)
        writer.Add(r);
    writer.Finish();
}

double OptionValue(const ParsedArguments& args, const std::string& option, int quantity, double fallback,
                   const Context& context, const std::string& command)
{
    const std::string* text = args.Last(option);
    if (text == nullptr)
        return fallback;
    return FiniteQuantityValue(*text, quantity, context.localeSeparator, option, command);
}

int RunCli(const std::vector<std::string>& args, Output& out, std::string& err)
{
    std::string commandName;
    try {
        const int status = Run(args, out, err, commandName);
        out.Flush();
        return status;
    } catch (const UsageError& error) {
        err = UsageMessage(error, error.Command().empty() ? commandName : error.Command());
        return kExitUsage;
    } catch (const OutputFailed& failure) {
        err += std::string(kProgram) + ": " + failure.what() + "\n";
        return kExitOutputFailed;
    }
}

Outcome RunCli(const std::vector<std::string>& args)
{
    StringOutput out;
    Outcome outcome;
    outcome.status = RunCli(args, out, outcome.err);
    outcome.out = out.TakeText();
    return outcome;
}

} // namespace cli
