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
    int (*run)(const ParsedArguments& args, Context& context) = nullptr;
};

// Every subcommand, in the order the program's help lists them.
const std::vector<Command>& Commands();

// The subcommands, one function each, defined in their own files.
const Command& ConvertCommand();

} // namespace cli
