#include "cli/CliMedium.h"

#include "base/NumberText.h"
#include "base/StringTable.h"
#include "units/Units.h"

namespace cli {

namespace {

// The properties group box's caption while no message stands.
constexpr const char* kPropertiesCaption = "Właściwości";

} // namespace

std::vector<MediumStep> ParseMediumSteps(const ParsedArguments& args, const std::map<std::string, int>& quantities,
                                         const std::function<int(const std::string&, const std::string&)>& choice,
                                         const Context& context, const std::string& command)
{
    std::vector<MediumStep> steps;
    for (const auto& [option, text] : args.options) {
        MediumStep step;
        step.option = option;
        if (const auto it = quantities.find(option); it != quantities.end()) {
            step.quantity = it->second;
            const QuantityValues v =
                ParseQuantityValue(text, step.quantity, context.localeSeparator, true, option, command);
            step.unit = v.unit;
            step.shown = v.shown;
        } else {
            step.choice = choice(option, text);
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

void ForEachRow(const std::vector<MediumStep>& steps, const std::function<void(const std::vector<double>&)>& row,
                const std::string& command)
{
    double total = 1;
    for (const MediumStep& s : steps)
        total *= static_cast<double>(s.Count());
    if (total > static_cast<double>(kMaxRows))
        throw UsageError("the ranges make more than " + std::to_string(kMaxRows) + " rows", command);
    std::vector<std::size_t> index(steps.size(), 0);
    std::vector<double> values(steps.size(), 0);
    for (std::size_t i = 0; i < steps.size(); ++i)
        values[i] = steps[i].Value(0);
    for (;;) {
        row(values);
        // Odometer: the last step turns fastest; done when all wrap. Only
        // the values that turned are computed again.
        bool advanced = false;
        for (std::size_t i = steps.size(); i > 0 && !advanced; --i) {
            const std::size_t k = i - 1;
            if (++index[k] < steps[k].Count())
                advanced = true;
            else
                index[k] = 0;
            if (steps[k].Count() > 1)
                values[k] = steps[k].Value(index[k]);
        }
        if (!advanced)
            return;
    }
}

double MediumStep::Value(std::size_t i) const { return quantity == 0 ? 0 : ToSI(quantity, unit, shown[i]); }

void SetterLog::Add(const MediumStep& step, double value, int message, const std::string& limitText,
                    bool showsMessage)
{
    calls_.push_back({&step, value, message, limitText, showsMessage});
}

std::vector<int> SetterLog::Messages() const
{
    std::vector<int> messages;
    for (const SetterCall& c : calls_)
        messages.push_back(c.message);
    return messages;
}

bool SetterLog::AnyRefused() const
{
    for (const SetterCall& c : calls_)
        if (c.message != 0)
            return true;
    return false;
}

int SetterLog::Shown() const
{
    for (auto it = calls_.rbegin(); it != calls_.rend(); ++it)
        if (it->showsMessage)
            return it->message;
    return 0;
}

std::string SetterLog::Caption() const
{
    for (auto it = calls_.rbegin(); it != calls_.rend(); ++it)
        if (it->showsMessage)
            return it->message == 0 ? kPropertiesCaption : LoadText(it->message) + it->limitText;
    return kPropertiesCaption;
}

void SetterLog::AddRefusals(Table& table) const
{
    for (const SetterCall& c : calls_) {
        if (c.message == 0)
            continue;
        std::string line = "--";
        line += c.step->option;
        if (c.step->quantity != 0) {
            line += ' ';
            line += FormatG(FromSI(c.step->quantity, c.step->unit, c.value));
            line += ' ';
            line += UnitName(c.step->quantity, c.step->unit);
        }
        line += ": ";
        line += LoadText(c.message);
        line += c.limitText;
        table.Line(line);
    }
}

const std::string& SIUnit(int quantity)
{
    // Kept, since a sweep prints the same few on every row.
    static std::map<int, std::string> names;
    auto it = names.find(quantity);
    if (it == names.end())
        it = names.emplace(quantity, UnitName(quantity, 0)).first;
    return it->second;
}

std::vector<std::string> NoteTexts(const std::vector<int>& notes, bool shown)
{
    std::vector<std::string> texts;
    if (shown)
        for (int note : notes)
            texts.push_back(LoadText(note));
    return texts;
}

void AddNoteLines(Table& table, const std::vector<std::string>& notes)
{
    for (const std::string& note : notes)
        table.Line(note);
}

void AddNotes(Record& record, const std::vector<std::string>& notes) { record.TextList("notes", notes); }

std::string JsonHelp(const std::string& keys, std::size_t indent)
{
    constexpr std::size_t kWidth = 80;
    const std::string text = "one object (an array for ranges): " + keys + " (SI), messages, limit_text, notes";
    std::string help = "  --json";
    help.append(indent - help.size(), ' ');
    std::size_t column = indent;
    bool first = true;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!first && column + 1 + word.size() > kWidth) {
            help += '\n';
            help.append(indent, ' ');
            column = indent;
        } else if (!first) {
            help += ' ';
            ++column;
        }
        help += word;
        column += word.size();
        first = false;
        start = end + 1;
    }
    return help + '\n';
}

void MediumRowWriter::Add(const MediumRow& row)
{
    refused_ = refused_ || row.refused;
    if (context_.format == OutputFormat::Table) {
        if (any_)
            context_.out += '\n';
        context_.out += row.table;
    } else {
        records_.Add(row.record);
    }
    any_ = true;
}

int MediumRowWriter::Finish()
{
    if (context_.format != OutputFormat::Table)
        records_.Finish();
    return refused_ ? kExitMessage : kExitOk;
}

} // namespace cli
