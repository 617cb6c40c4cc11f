// The command-line program as a function: arguments in, exit status out,
// standard output written as it is computed, standard error's text
// returned. main() hands in standard output; tests and benchmarks call
// RunCli directly or run the program.
#pragma once

#include <string>
#include <vector>

#include "cli/CliCore.h"
#include "cli/CliOutput.h"

namespace cli {

struct Outcome {
    int status = kExitOk;
    std::string out;
    std::string err;
};

// args without the program's name. Reads numbers with the separator in
// force (DecimalSeparator()), which main sets from the environment. Writes
// standard output to out as it goes and returns the exit status; a write
// that fails stops the command with kExitOutputFailed. Nothing reaches out
// when the command line is wrong.
int RunCli(const std::vector<std::string>& args, Output& out, std::string& err);
// The same with standard output gathered in a string.
Outcome RunCli(const std::vector<std::string>& args);

enum class OutputFormat { Table, Json, Csv };

struct Context {
    explicit Context(Output& output) : out(output) {}
    char localeSeparator = '.';   // the user's separator, for reading values
    OutputFormat format = OutputFormat::Table;
    Output& out;
    // Lines for standard error that explain a status of kExitMessage where
    // the output itself has no room for them.
    std::string messages;
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

// Writes records as the format asks, each as soon as it is added: JSON one
// object, or an array when there are several; CSV a header and one row
// each. Holds at most one record's text (the first, until a second shows
// whether an array is needed). Not for tables.
class RecordWriter {
public:
    explicit RecordWriter(Context& context) : context_(context) {}
    void Add(const Record& record);
    // Ends the output: the last record, or the array's end.
    void Finish();

private:
    Context& context_;
    std::size_t count_ = 0;
    std::string first_;
    std::string text_;   // the record being written, kept for its room
};

// A RecordWriter for records that are all at hand.
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
