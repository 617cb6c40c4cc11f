// The command-line program as a function: arguments in, exit status and
// the texts for standard output and standard error out. main() only
// prints; tests call RunCli directly or run the program.
#pragma once

#include <string>
#include <vector>

#include "cli/CliCore.h"

namespace cli {

struct Outcome {
    int status = kExitOk;
    std::string out;
    std::string err;
};

// args without the program's name. Reads numbers with the separator in
// force (DecimalSeparator()), which main sets from the environment.
Outcome RunCli(const std::vector<std::string>& args);

enum class OutputFormat { Table, Json, Csv };

struct Context {
    char localeSeparator = '.';   // the user's separator, for reading values
    OutputFormat format = OutputFormat::Table;
    std::string out;
};

struct Command {
    std::string name;
    std::string summary;   // one line for the program's help
    std::string help;      // the subcommand's --help, examples included
    ArgumentSpec spec;
    bool machineOutput = true;   // accepts --json (and --csv when listed in spec)
    // Machine output prints numbers with a full stop; a command whose output
    // is texts as the window shows them (the calculator's tape) keeps the
    // user's separator.
    bool machineSeparator = true;
    int (*run)(const ParsedArguments& args, Context& context) = nullptr;
};

// Every subcommand, in the order the program's help lists them.
const std::vector<Command>& Commands();

// Writes records as the format asks: JSON (one object, or an array when
// there are several), CSV (header and one row each). Not for tables.
void EmitRecords(Context& context, const std::vector<Record>& records);

// One finite value of an option with a unit of the quantity (no range);
// the option's default when it is absent.
double OptionValue(const ParsedArguments& args, const std::string& option, int quantity, double fallback,
                   const Context& context, const std::string& command);

// The subcommands, one function each, defined in their own files.
const Command& WaterCommand();
const Command& SteamCommand();
const Command& AirCommand();
const Command& ConvertCommand();
const Command& FrictionCommand();
const Command& FlowCommand();
const Command& SizeCommand();
const Command& KvCommand();
const Command& CalcCommand();

} // namespace cli
