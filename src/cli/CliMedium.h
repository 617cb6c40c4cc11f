// What the three property commands share: the options as a sequence of
// setter calls in command-line order, ranges rerun as rows, the messages
// the setters return, and the readable table of a row.
#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "base/NumberText.h"
#include "cli/Cli.h"
#include "media/AccuracyNotes.h"
#include "pages/PropertyTable.h"

namespace cli {

// One option of a property command, in command-line order.
struct MediumStep {
    std::string option;          // without the leading "--"
    int quantity = 0;            // 0 for a choice (regime, mode)
    int unit = 0;                // the unit written, for messages
    int choice = 0;              // regime or input mode
    ValueRange shown;            // in the unit written; several for a range

    std::size_t Count() const { return shown.Size(); }
    // Value i in SI; 0 for a choice.
    double Value(std::size_t i) const;
};

// Parses every value option of the command in order. quantities maps a
// numeric option to its quantity; any other option goes to choice(),
// which returns its number or throws UsageError.
std::vector<MediumStep> ParseMediumSteps(const ParsedArguments& args, const std::map<std::string, int>& quantities,
                                         const std::function<int(const std::string& option, const std::string& text)>& choice,
                                         const Context& context, const std::string& command);

// Calls row(values) for every combination of the steps' values, the first
// range varying slowest; values[i] is step i's value (0 for a choice).
// UsageError, before the first row, when there would be more than kMaxRows.
void ForEachRow(const std::vector<MediumStep>& steps, const std::function<void(const std::vector<double>&)>& row,
                const std::string& command);

// What one setter call returned.
struct SetterCall {
    const MediumStep* step = nullptr;
    double value = 0;
    int message = 0;
    std::string limitText;
    bool showsMessage = true;   // the page shows its message (mass flow does not)
};

// The results of one row: the calls, in order.
class SetterLog {
public:
    void Add(const MediumStep& step, double value, int message, const std::string& limitText, bool showsMessage);
    std::vector<int> Messages() const;
    bool AnyRefused() const;
    // The message of the last call whose page shows messages: 0 when none
    // refused its value (the page's "Właściwości").
    int Shown() const;
    // "Właściwości", or the message and its limit text as the page's
    // caption reads.
    std::string Caption() const;
    // One line per refused value: "--option VALUE UNIT: message limit".
    void AddRefusals(Table& table) const;

private:
    std::vector<SetterCall> calls_;
};

// SI unit name of a quantity.
const std::string& SIUnit(int quantity);

// One row of a property command: its readable table or its record, as
// the context's format asks.
struct MediumRow {
    Record record;
    std::string table;
    bool refused = false;   // a setter refused its value
};

// Writes the rows as they come: tables one after another with a blank line
// between, or records through a RecordWriter. Finish returns the exit
// status: kExitMessage when a setter of any row refused its value.
class MediumRowWriter {
public:
    explicit MediumRowWriter(Context& context) : context_(context), records_(context) {}
    void Add(const MediumRow& row);
    int Finish();

private:
    Context& context_;
    RecordWriter records_;
    bool any_ = false;
    bool refused_ = false;
};

// ------------------------------------------------ from a medium's property table

// The options of the fields the user types, each with its quantity.
template <class Model>
std::map<std::string, int> OptionQuantities(std::span<const PropertyRow<Model>> table)
{
    std::map<std::string, int> options;
    for (const PropertyRow<Model>& row : table)
        if (row.IsTyped())
            options[OptionName(row.key)] = row.quantity;
    return options;
}

// Whether an option is the one of a key ("mass-flow" of "mass_flow"), as
// OptionName has it, without making the option's text: this runs per row.
inline bool IsOptionOf(std::string_view option, std::string_view key)
{
    if (option.size() != key.size())
        return false;
    for (std::size_t i = 0; i < key.size(); ++i)
        if (option[i] != (key[i] == '_' ? '-' : key[i]))
            return false;
    return true;
}

// The typed field an option sets; nullptr for any other option.
template <class Model>
const PropertyRow<Model>* RowOfOption(std::span<const PropertyRow<Model>> table, std::string_view option)
{
    for (const PropertyRow<Model>& row : table)
        if (row.IsTyped() && IsOptionOf(option, row.key))
            return &row;
    return nullptr;
}

// Calls the field's setter with the step's value and logs what it returned.
template <class Model>
void CallSetter(Model& model, const PropertyRow<Model>& row, const MediumStep& step, double value, SetterLog& log)
{
    const int message = (model.*row.set)(value);
    log.Add(step, value, message, model.GetLimitText(), row.role == PropertyRole::Input);
}

// One row of the readable table, labelled as on the page, in SI: the
// value, "< lowest" for one below the field's range, nothing when not shown.
template <class Model>
void AddPropertyRow(Table& table, const PropertyRow<Model>& row, const Model& model, bool shown)
{
    std::string label;
    std::string value;
    AddPropertyRow(table, row, model, shown, label, value);
}

// The same with the caller's buffers, so a long sweep makes no strings per row.
template <class Model>
void AddPropertyRow(Table& table, const PropertyRow<Model>& row, const Model& model, bool shown,
                    std::string& label, std::string& value)
{
    label.clear();
    AppendPlainLabel(label, row.label);
    value.clear();
    if (shown) {
        if (row.IsBelowRange(model)) {
            value += "< ";
            AppendG(value, row.lowest, 6);
        } else {
            AppendG(value, (model.*row.get)(), 6);
        }
    }
    table.Row(label, value, SIUnit(row.quantity));
}

// The readable table's rows: every field that means something for the
// model's state; the outputs stay empty while a message stands, as on the
// page.
template <class Model>
void AddPropertyRows(Table& table, std::span<const PropertyRow<Model>> rows, const Model& model, bool showOutputs)
{
    std::string label;
    std::string value;
    for (const PropertyRow<Model>& row : rows)
        if (row.IsRelevant(model))
            AddPropertyRow(table, row, model, row.role != PropertyRole::Output || showOutputs, label, value);
}

// Every field's value in SI under its key, whatever the model's state; a
// value below the field's range is no number (null).
template <class Model>
void AddPropertyNumbers(Record& record, std::span<const PropertyRow<Model>> rows, const Model& model)
{
    for (const PropertyRow<Model>& row : rows) {
        if (row.IsBelowRange(model))
            record.Null(row.key);
        else
            record.Number(row.key, (model.*row.get)());
    }
}

// The texts of the accuracy notes, as the page shows them: none while a
// message stands, for then no property is shown.
std::vector<std::string> NoteTexts(const std::vector<int>& notes, bool shown);

// The notes as the last lines of the readable table, and as the record's
// list "notes" (empty when there is nothing to say).
void AddNoteLines(Table& table, const std::vector<std::string>& notes);
void AddNotes(Record& record, const std::vector<std::string>& notes);

// The --json line of a property command's help, naming the keys (numbers in
// SI) before messages, limit_text and notes, wrapped under the column where
// the options' descriptions start.
std::string JsonHelp(const std::string& keys, std::size_t indent = 20);

// The keys of AddPropertyNumbers, for the help texts: "a, b, c".
template <class Model>
std::string PropertyKeys(std::span<const PropertyRow<Model>> rows)
{
    std::string keys;
    for (const PropertyRow<Model>& row : rows)
        keys += (keys.empty() ? "" : ", ") + std::string(row.key);
    return keys;
}

} // namespace cli
