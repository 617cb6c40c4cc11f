// Building blocks of the command-line program: argument parsing, values
// with units, ranges, and the JSON, CSV and table writers. Pure functions,
// so tests reach them without running the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitMessage = 1;   // a setter refused a value; output still printed
inline constexpr int kExitUsage = 2;     // bad command line; nothing on standard output
inline constexpr int kExitOutputFailed = 3;   // standard output could not be written

// A bad command line. The message is printed on standard error after the
// program's name; the command names the help to point at.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message, std::string command = {})
        : std::runtime_error(message), command_(std::move(command)) {}
    const std::string& Command() const { return command_; }

private:
    std::string command_;
};

// ---------------------------------------------------------------- arguments

// What a subcommand accepts: options that take a value, flags, and how many
// positional words.
struct ArgumentSpec {
    std::set<std::string> valueOptions;   // names without the leading "--"
    std::set<std::string> flags;
    std::size_t minPositionals = 0;
    std::size_t maxPositionals = 0;
};

struct ParsedArguments {
    // Value options in command-line order (order matters to the models).
    std::vector<std::pair<std::string, std::string>> options;
    std::set<std::string> flags;
    std::vector<std::string> positionals;
    bool help = false;

    bool Has(const std::string& flag) const { return flags.count(flag) != 0; }
    // The last value given for an option, or nullptr.
    const std::string* Last(const std::string& option) const;
};

// "--name value", "--name=value", flags, "-h"/"--help", "--" ending the
// options. A word that does not begin with "--" is positional, so "-5" and
// the calculator's "-" are values. Throws UsageError (with the command).
ParsedArguments ParseArguments(const std::vector<std::string>& args, const ArgumentSpec& spec,
                               const std::string& command);

// --------------------------------------------------------------- quantities

// The unit names of a quantity in catalogue order; none for a number that
// is no quantity.
const std::vector<std::string>& UnitNames(int quantity);

// Position of a unit name in the quantity's list: exact match first, then
// a match that ignores letter case if exactly one unit has it; -1 if none.
int FindUnit(int quantity, std::string_view name);

// "K, st C, st F, st Rank".
std::string UnitList(int quantity);

// A quantity by its number ("3100") or its name ("Temperatura", letter
// case ignored); 0 if none.
int FindQuantity(std::string_view text);

// Every convertible quantity in whose list both unit names appear.
std::vector<int> QuantitiesWithUnits(std::string_view from, std::string_view to);

// Two units of one quantity: the quantity named (by number or name), or
// else the one quantity whose list holds both names. UsageError for an
// unknown quantity or unit, or for names shared by several quantities.
struct UnitPair {
    int quantity = 0;
    int from = 0;
    int to = 0;
};
UnitPair ResolveUnits(const std::string* quantityText, const std::string& from, const std::string& to,
                      const std::string& command);

// ------------------------------------------------------------------ numbers

// A number in C syntax with a full stop; where the locale's separator is a
// comma, a comma too. Leading and trailing blanks allowed. Returns the
// length of the number at the start of the text (0: none) and its value.
std::size_t ReadNumberPrefix(std::string_view text, char localeSeparator, double* value);

// The whole text as one finite number, else UsageError naming the option.
double ParsePlainNumber(std::string_view text, char localeSeparator, const std::string& option,
                        const std::string& command);

// An integer within [low, high], else UsageError.
int ParseInteger(std::string_view text, int low, int high, const std::string& option,
                 const std::string& command);

// The values START, START+STEP, ... up to STOP inclusive, with a tolerance
// for rounding; the last one is STOP itself when it lands within it. Each
// value is computed when asked for, so a long range holds no memory.
class ValueRange {
public:
    ValueRange() = default;                  // the one value 0
    explicit ValueRange(double value) : start_(value), stop_(value) {}
    std::size_t Size() const { return count_; }
    double operator[](std::size_t i) const;

private:
    friend ValueRange ExpandRange(double, double, double, const std::string&, const std::string&);
    double start_ = 0;
    double stop_ = 0;
    double step_ = 0;
    std::size_t count_ = 1;
};

// Most rows a command line may ask for, so a typo in a step cannot hang
// the program.
inline constexpr std::size_t kMaxRows = 1000000;

// A range from its three numbers. UsageError (naming the option) unless
// all three are finite, the step is not 0 and leads from START towards
// STOP, and there are at most kMaxRows values.
ValueRange ExpandRange(double start, double stop, double step, const std::string& option,
                       const std::string& command);

// What a value option holds: one value, or every value of a range, in the
// unit written.
struct QuantityValues {
    ValueRange shown;
    bool range = false;
    int quantity = 0;
    int unit = 0;             // the unit written, 0 (SI) when none

    std::size_t Size() const { return shown.Size(); }
    // Value i through ToSI.
    double SI(std::size_t i) const;
};

// "NUMBER [UNIT]" or, when ranges are allowed, "START:STOP:STEP [UNIT]"
// (inclusive, in the unit written). Units from the quantity's list.
// Errors list the valid units.
// A single value that is not finite (inf, nan, or too large for SI)
// passes through: the property models refuse it with a message of their
// own. A range needs finite numbers.
QuantityValues ParseQuantityValue(std::string_view text, int quantity, char localeSeparator, bool allowRange,
                                  const std::string& option, const std::string& command);

// One value as ParseQuantityValue reads it, refused with a usage error
// unless it is finite in the unit written and in SI: for the analyses,
// which compute with any number they are given.
double FiniteQuantityValue(std::string_view text, int quantity, char localeSeparator, const std::string& option,
                           const std::string& command);

// -------------------------------------------------------------------- output

// Machine-readable number: 17 significant digits, always a full stop,
// "inf", "-inf" and "nan" for non-finite values (quoted in JSON).
std::string MachineNumber(double value);
void AppendMachineNumber(std::string& text, double value);

// One output record: keys in order, each a number, no number (null in
// JSON, an empty CSV field), an integer, a boolean, a text, or a list of
// integers or of texts. Every value is turned into text once, as it is
// added, and kept with the others in one string: a record of a long sweep
// costs little more than formatting its numbers.
class Record {
public:
    void Number(std::string_view key, double value);
    void Null(std::string_view key);
    void Integer(std::string_view key, long long value);
    void Boolean(std::string_view key, bool value);
    void Text(std::string_view key, std::string_view value);
    void IntegerList(std::string_view key, const std::vector<int>& values);
    void TextList(std::string_view key, const std::vector<std::string>& values);

    std::vector<std::string> Keys() const;
    std::string Json() const;
    // One CSV line (no line end); lists of integers as their numbers
    // separated by blanks, lists of texts joined by "; ".
    std::string CsvRow() const;
    std::string CsvHeader() const;
    // The same texts added to the end of out.
    void AppendJson(std::string& out) const;
    void AppendCsvRow(std::string& out) const;

private:
    enum class Kind : unsigned char { Number, Null, Integer, Boolean, Text, List, TextList };
    struct Field {
        Kind kind;
        bool finite;                 // a number: JSON quotes inf and nan
        std::uint32_t keyEnd;        // where its key ends in keys_
        std::uint32_t valueEnd;      // where its value's text ends in values_
    };
    void Add(Kind kind, std::string_view key, bool finite = true);

    std::vector<Field> fields_;
    std::string keys_;     // the keys one after another
    std::string values_;   // numbers as machine numbers, booleans as true and false, texts as
                           // they are, lists as their numbers separated by blanks,
                           // lists of texts as each text after a '\0'; nothing for null
};

std::string JsonString(std::string_view text);
void AppendJsonString(std::string& out, std::string_view text);
std::string CsvField(std::string_view text);
void AppendCsvField(std::string& out, std::string_view text);

// Display width of UTF-8 text (code points), for aligned tables.
std::size_t TextWidth(std::string_view text);

// Name, value and unit columns, names padded to one width. The texts are
// kept one after another in one string, as a sweep makes a table per row.
class Table {
public:
    void Row(std::string_view name, std::string_view value, std::string_view unit = {});
    void Line(std::string_view text);   // a line of its own, not aligned
    std::string Render() const;

private:
    struct Entry {
        bool line;
        std::uint32_t nameEnd, valueEnd, unitEnd;   // where each text ends in texts_
        std::uint32_t nameWidth, valueWidth;
    };
    std::vector<Entry> entries_;
    std::string texts_;
    std::size_t nameWidth_ = 0;
    std::size_t valueWidth_ = 0;
};

// Sets the decimal separator for a scope and restores it.
class SeparatorScope {
public:
    explicit SeparatorScope(char separator);
    ~SeparatorScope();
    SeparatorScope(const SeparatorScope&) = delete;
    SeparatorScope& operator=(const SeparatorScope&) = delete;

private:
    char previous_;
};

} // namespace cli
