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
            QuantityValues v = ParseQuantityValue(text, step.quantity, context.localeSeparator, true, option, command);
            step.unit = v.unit;
            step.values = std::move(v.si);
        } else {
            step.choice = choice(option, text);
            step.values = {0};
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
        total *= static_cast<double>(s.values.size());
    if (total > static_cast<double>(kMaxRows))
        throw UsageError("the ranges make more than " + std::to_string(kMaxRows) + " rows", command);
    std::vector<std::size_t> index(steps.size(), 0);
    std::vector<double> values(steps.size(), 0);
    for (;;) {
        for (std::size_t i = 0; i < steps.size(); ++i)
            values[i] = steps[i].values[index[i]];
        row(values);
        // Odometer: the last step turns fastest; done when all wrap.
        bool advanced = false;
        for (std::size_t i = steps.size(); i > 0 && !advanced; --i) {
            if (++index[i - 1] < steps[i - 1].values.size())
                advanced = true;
            else
                index[i - 1] = 0;
        }
        if (!advanced)
            return;
    }
}

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

std::string SIUnit(int quantity) { return UnitName(quantity, 0); }

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

int EmitMediumRows(Context& context, const std::vector<MediumRow>& rows)
{
    bool refused = false;
    for (const MediumRow& r : rows)
        refused = refused || r.refused;
    if (context.format == OutputFormat::Table) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i != 0)
                context.out += '\n';
            context.out += rows[i].table;
        }
    } else {
        std::vector<Record> records;
        records.reserve(rows.size());
        for (const MediumRow& r : rows)
            records.push_back(r.record);
        EmitRecords(context, records);
    }
    return refused ? kExitMessage : kExitOk;
}

} // namespace cli
