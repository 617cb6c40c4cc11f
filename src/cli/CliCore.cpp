#include "cli/CliCore.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>

#include "base/NumberText.h"
#include "units/Units.h"

namespace cli {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    // ASCII letters only; the Polish letters of the names compare exactly.
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string Quote(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted.append(text);
    quoted += '"';
    return quoted;
}

[[noreturn]] void BadValue(const std::string& option, const std::string& what, int quantity,
                           const std::string& command)
{
    throw UsageError("--" + option + ": " + what + "; valid units: " + UnitList(quantity), command);
}

std::vector<int> AllQuantities()
{
    std::vector<int> all;
    for (int q = kQuantityFirst; q <= kQuantityLast; q += kQuantityStep)
        all.push_back(q);
    return all;
}

} // namespace

// ---------------------------------------------------------------- arguments

const std::string* ParsedArguments::Last(const std::string& option) const
{
    const std::string* found = nullptr;
    for (const auto& [name, value] : options)
        if (name == option)
            found = &value;
    return found;
}

ParsedArguments ParseArguments(const std::vector<std::string>& args, const ArgumentSpec& spec,
                               const std::string& command)
{
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && (arg == "-h" || arg == "--help")) {
            parsed.help = true;
            continue;
        }
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
            parsed.positionals.push_back(arg);
            continue;
        }
        std::string name = arg.substr(2);
        std::string value;
        bool inlineValue = false;
        if (const std::size_t eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.erase(eq);
            inlineValue = true;
        }
        if (spec.flags.count(name) != 0) {
            if (inlineValue)
                throw UsageError("option --" + name + " takes no value", command);
            parsed.flags.insert(name);
        } else if (spec.valueOptions.count(name) != 0) {
            if (!inlineValue) {
                if (i + 1 >= args.size())
                    throw UsageError("option --" + name + " needs a value", command);
                value = args[++i];
            }
            parsed.options.emplace_back(name, value);
        } else {
            throw UsageError("unknown option --" + name, command);
        }
    }
    if (parsed.help)
        return parsed;
    if (parsed.positionals.size() > spec.maxPositionals) {
        if (spec.maxPositionals == 0)
            throw UsageError("unexpected argument " + Quote(parsed.positionals.front()), command);
        throw UsageError("too many arguments (at most " + std::to_string(spec.maxPositionals) + ")", command);
    }
    if (parsed.positionals.size() < spec.minPositionals)
        throw UsageError("missing arguments (" + std::to_string(spec.minPositionals) + " needed)", command);
    return parsed;
}

// --------------------------------------------------------------- quantities

const std::vector<std::string>& UnitNames(int quantity)
{
    // The catalogue never changes: its names are read once, not on every
    // lookup of a name among all the quantities.
    static const std::map<int, std::vector<std::string>> catalogue = [] {
        std::map<int, std::vector<std::string>> names;
        std::vector<int> quantities = AllQuantities();
        quantities.push_back(kQuantityPercent);
        quantities.push_back(kQuantityDimensionless);
        for (int q : quantities)
            for (int unit = 0; unit < UnitCount(q); ++unit)
                names[q].push_back(UnitName(q, unit));
        return names;
    }();
    static const std::vector<std::string> none;
    const auto found = catalogue.find(quantity);
    return found != catalogue.end() ? found->second : none;
}

int FindUnit(int quantity, std::string_view name)
{
    const std::vector<std::string>& names = UnitNames(quantity);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return static_cast<int>(i);
    int found = -1;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (EqualNoCase(names[i], name)) {
            if (found >= 0)
                return -1;   // "kp" against "kP": ambiguous, so none
            found = static_cast<int>(i);
        }
    }
    return found;
}

std::string UnitList(int quantity)
{
    std::string list;
    for (const std::string& name : UnitNames(quantity)) {
        if (!list.empty())
            list += ", ";
        list += name;
    }
    return list;
}

int FindQuantity(std::string_view text)
{
    text = Trim(text);
    for (int q : AllQuantities()) {
        if (text == std::to_string(q) || EqualNoCase(text, QuantityName(q)))
            return q;
    }
    return 0;
}

std::vector<int> QuantitiesWithUnits(std::string_view from, std::string_view to)
{
    std::vector<int> found;
    for (int q : AllQuantities())
        if (FindUnit(q, from) >= 0 && FindUnit(q, to) >= 0)
            found.push_back(q);
    return found;
}

namespace {

std::string QuantityLabel(int q) { return QuantityName(q) + " (" + std::to_string(q) + ")"; }

std::string QuantityListText()
{
    std::string list;
    for (int q = kQuantityFirst; q <= kQuantityLast; q += kQuantityStep) {
        if (!list.empty())
            list += ", ";
        list += QuantityLabel(q);
    }
    return list;
}

int UnitOf(int quantity, const std::string& name, const std::string& which, const std::string& command)
{
    const int unit = FindUnit(quantity, name);
    if (unit < 0)
        throw UsageError(which + " unit \"" + name + "\" is not a unit of " + QuantityLabel(quantity) +
                             "; valid units: " + UnitList(quantity),
                         command);
    return unit;
}

int InferQuantity(const std::string& from, const std::string& to, const std::string& command)
{
    const std::vector<int> both = QuantitiesWithUnits(from, to);
    if (both.size() == 1)
        return both.front();
    if (both.size() > 1) {
        std::string names;
        for (int q : both)
            names += (names.empty() ? "" : ", ") + QuantityLabel(q);
        throw UsageError("units \"" + from + "\" and \"" + to + "\" belong to several quantities (" + names +
                             "); choose one with --quantity",
                         command);
    }
    // Name the quantity of whichever unit is known, with its valid units.
    for (const std::string* known : {&from, &to}) {
        const std::vector<int> owners = QuantitiesWithUnits(*known, *known);
        if (owners.size() == 1)
            UnitOf(owners.front(), known == &from ? to : from, known == &from ? "target" : "source", command);
    }
    throw UsageError("no quantity has both units \"" + from + "\" and \"" + to +
                         "\"; give --quantity to see its units",
                     command);
}

} // namespace

UnitPair ResolveUnits(const std::string* quantityText, const std::string& from, const std::string& to,
                      const std::string& command)
{
    UnitPair pair;
    if (quantityText != nullptr) {
        pair.quantity = FindQuantity(*quantityText);
        if (pair.quantity == 0)
            throw UsageError("--quantity: unknown quantity \"" + *quantityText + "\"; quantities: " + QuantityListText(),
                             command);
    } else {
        pair.quantity = InferQuantity(from, to, command);
    }
    pair.from = UnitOf(pair.quantity, from, "source", command);
    pair.to = UnitOf(pair.quantity, to, "target", command);
    return pair;
}

// ------------------------------------------------------------------ numbers

std::size_t ReadNumberPrefix(std::string_view text, char localeSeparator, double* value)
{
    std::size_t length = NumberPrefixLength(text, '.');
    char separator = '.';
    if (localeSeparator == ',') {
        const std::size_t comma = NumberPrefixLength(text, ',');
        if (comma > length) {
            length = comma;
            separator = ',';
        }
    }
    if (length != 0 && value != nullptr)
        *value = ParseNumber(text.substr(0, length), separator);
    return length;
}

double ParsePlainNumber(std::string_view text, char localeSeparator, const std::string& option,
                        const std::string& command)
{
    double value = 0;
    const std::size_t length = ReadNumberPrefix(text, localeSeparator, &value);
    const std::string label = option.empty() ? std::string("value") : "--" + option;
    if (length == 0 || !Trim(text.substr(length)).empty())
        throw UsageError(label + ": " + Quote(text) + " is not a number", command);
    if (!std::isfinite(value))
        throw UsageError(label + ": " + Quote(text) + " is not a finite number", command);
    return value;
}

int ParseInteger(std::string_view text, int low, int high, const std::string& option, const std::string& command)
{
    const std::string_view t = Trim(text);
    long long value = 0;
    bool ok = !t.empty() && t.size() <= 9;
    std::size_t i = 0;
    bool negative = false;
    if (ok && (t[0] == '-' || t[0] == '+')) {
        negative = t[0] == '-';
        i = 1;
        ok = t.size() > 1;
    }
    for (; ok && i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            ok = false;
        else
            value = value * 10 + (t[i] - '0');
    }
    if (negative)
        value = -value;
    if (!ok || value < low || value > high)
        throw UsageError("--" + option + ": " + Quote(text) + " is not a whole number from " + std::to_string(low) +
                             " to " + std::to_string(high),
                         command);
    return static_cast<int>(value);
}

double ValueRange::operator[](std::size_t i) const
{
    if (step_ == 0)
        return start_;
    double v = start_ + static_cast<double>(i) * step_;
    if (!std::isfinite(v))   // i * step past the largest double, in a span that wide
        v = 2 * (start_ / 2 + static_cast<double>(i) * (step_ / 2));
    // Within the tolerance that counted the values (1e-9 of a step per
    // step) the value is the end: a last value counted in must not lie past
    // the end.
    if (std::fabs(v - stop_) <= std::fabs(step_) * 1e-9 * std::max(1.0, static_cast<double>(i)))
        v = stop_;
    return v;
}

ValueRange ExpandRange(double start, double stop, double step, const std::string& option,
                       const std::string& command)
{
    if (!std::isfinite(start) || !std::isfinite(stop) || !std::isfinite(step))
        throw UsageError("--" + option + ": the start, end and step of a range must be finite numbers", command);
    if (step == 0)
        throw UsageError("--" + option + ": the step of a range must not be 0", command);
    // Divided first where the difference alone overflows (-1e308:1e308:1e307).
    const double difference = stop - start;
    const double steps = std::isfinite(difference) ? difference / step : stop / step - start / step;
    // Inclusive, with a tolerance: 0:1:0.1 has 11 values although ten
    // steps of 0.1 do not add up to 1 exactly.
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(steps));
    if (steps < -tolerance)
        throw UsageError("--" + option + ": the range is empty (the step goes away from the end)", command);
    // Not below the limit: too many, or more than a double counts (inf).
    if (!(steps + tolerance < static_cast<double>(kMaxRows)))
        throw UsageError("--" + option + ": the range has more than " + std::to_string(kMaxRows) + " values",
                         command);
    ValueRange range;
    range.start_ = start;
    range.stop_ = stop;
    range.step_ = step;
    range.count_ = static_cast<std::size_t>(std::floor(steps + tolerance)) + 1;
    return range;
}

double QuantityValues::SI(std::size_t i) const { return ToSI(quantity, unit, shown[i]); }

QuantityValues ParseQuantityValue(std::string_view text, int quantity, char localeSeparator, bool allowRange,
                                  const std::string& option, const std::string& command)
{
    QuantityValues result;
    result.quantity = quantity;
    std::string_view rest = text;
    double numbers[3] = {0, 0, 0};
    int count = 0;
    for (;;) {
        const std::size_t length = ReadNumberPrefix(rest, localeSeparator, &numbers[count]);
        if (length == 0)
            BadValue(option, Quote(text) + " is not a number", quantity, command);
        ++count;
        rest.remove_prefix(length);
        if (rest.empty() || rest.front() != ':')
            break;
        if (!allowRange)
            throw UsageError("--" + option + ": a range START:STOP:STEP is not allowed here", command);
        if (count == 3)
            throw UsageError("--" + option + ": a range is START:STOP:STEP, three numbers", command);
        rest.remove_prefix(1);
    }
    if (count == 2)
        throw UsageError("--" + option + ": a range is START:STOP:STEP, three numbers", command);
    const std::string_view unitText = Trim(rest);
    if (!unitText.empty()) {
        result.unit = FindUnit(quantity, unitText);
        if (result.unit < 0)
            BadValue(option, "unknown unit " + Quote(unitText), quantity, command);
    }
    if (count == 1) {
        result.shown = ValueRange(numbers[0]);
        return result;
    }
    result.range = true;
    result.shown = ExpandRange(numbers[0], numbers[1], numbers[2], option, command);
    return result;
}

double FiniteQuantityValue(std::string_view text, int quantity, char localeSeparator, const std::string& option,
                           const std::string& command)
{
    const double si = ParseQuantityValue(text, quantity, localeSeparator, false, option, command).SI(0);
    if (std::isfinite(si))
        return si;
    double shown = 0;
    ReadNumberPrefix(text, localeSeparator, &shown);
    if (!std::isfinite(shown))
        BadValue(option, Quote(text) + " is not a finite number", quantity, command);
    throw UsageError("--" + option + ": " + Quote(text) + " is too large", command);
}

// -------------------------------------------------------------------- output

void AppendMachineNumber(std::string& text, double value)
{
    if (std::isnan(value)) {
        text += "nan";
    } else if (std::isinf(value)) {
        text += value > 0 ? "inf" : "-inf";
    } else if (DecimalSeparator() == '.') {
        AppendG(text, value, 17);
    } else {
        SeparatorScope point('.');
        AppendG(text, value, 17);
    }
}

std::string MachineNumber(double value)
{
    std::string text;
    AppendMachineNumber(text, value);
    return text;
}

void AppendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    // Runs of plain characters go in whole; keys and most texts are one.
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(text, plain, i - plain);
        plain = i + 1;
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: {
            static const char* hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        }
        }
    }
    out.append(text, plain, std::string_view::npos);
    out += '"';
}

std::string JsonString(std::string_view text)
{
    std::string out;
    AppendJsonString(out, text);
    return out;
}

void AppendCsvField(std::string& out, std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(text);
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

std::string CsvField(std::string_view text)
{
    std::string out;
    AppendCsvField(out, text);
    return out;
}

namespace {

void AppendInteger(std::string& text, long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

} // namespace

void Record::Add(Kind kind, std::string_view key, bool finite)
{
    if (fields_.empty()) {
        // Room for a property row, so nothing grows on the way.
        fields_.reserve(16);
        keys_.reserve(256);
        values_.reserve(384);
    }
    keys_.append(key);
    fields_.push_back({kind, finite, static_cast<std::uint32_t>(keys_.size()),
                       static_cast<std::uint32_t>(values_.size())});
}

void Record::Number(std::string_view key, double value)
{
    Add(Kind::Number, key, std::isfinite(value));
    AppendMachineNumber(values_, value);
    fields_.back().valueEnd = static_cast<std::uint32_t>(values_.size());
}

void Record::Integer(std::string_view key, long long value)
{
    Add(Kind::Integer, key);
    AppendInteger(values_, value);
    fields_.back().valueEnd = static_cast<std::uint32_t>(values_.size());
}

void Record::Boolean(std::string_view key, bool value)
{
    Add(Kind::Boolean, key);
    values_ += value ? std::string_view("true") : std::string_view("false");
    fields_.back().valueEnd = static_cast<std::uint32_t>(values_.size());
}

void Record::Text(std::string_view key, std::string_view value)
{
    Add(Kind::Text, key);
    values_.append(value);
    fields_.back().valueEnd = static_cast<std::uint32_t>(values_.size());
}

void Record::IntegerList(std::string_view key, const std::vector<int>& values)
{
    Add(Kind::List, key);
    for (std::size_t j = 0; j < values.size(); ++j) {
        if (j != 0)
            values_ += ' ';
        AppendInteger(values_, values[j]);
    }
    fields_.back().valueEnd = static_cast<std::uint32_t>(values_.size());
}

void Record::Null(std::string_view key) { Add(Kind::Null, key); }

void Record::TextList(std::string_view key, const std::vector<std::string>& values)
{
    Add(Kind::TextList, key);
    for (const std::string& text : values) {
        values_ += '\0';
        values_.append(text);
    }
    fields_.back().valueEnd = static_cast<std::uint32_t>(values_.size());
}

std::vector<std::string> Record::Keys() const
{
    std::vector<std::string> keys;
    std::size_t start = 0;
    for (const Field& f : fields_) {
        keys.push_back(keys_.substr(start, f.keyEnd - start));
        start = f.keyEnd;
    }
    return keys;
}

void Record::AppendJson(std::string& out) const
{
    out += '{';
    std::size_t key = 0;
    std::size_t value = 0;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const Field& f = fields_[i];
        if (i != 0)
            out.append(", ", 2);
        AppendJsonString(out, std::string_view(keys_).substr(key, f.keyEnd - key));
        out.append(": ", 2);
        const std::string_view text = std::string_view(values_).substr(value, f.valueEnd - value);
        switch (f.kind) {
        case Kind::Number:
            if (f.finite)
                out.append(text);
            else
                AppendJsonString(out, text);
            break;
        case Kind::Null: out.append("null", 4); break;
        case Kind::Integer:
        case Kind::Boolean: out.append(text); break;
        case Kind::Text: AppendJsonString(out, text); break;
        case Kind::List:
            out += '[';
            for (char c : text) {
                if (c == ' ')
                    out.append(", ", 2);
                else
                    out += c;
            }
            out += ']';
            break;
        case Kind::TextList:
            out += '[';
            for (std::size_t start = 0; start < text.size();) {
                const std::size_t end = std::min(text.find('\0', start + 1), text.size());
                if (start != 0)
                    out.append(", ", 2);
                AppendJsonString(out, text.substr(start + 1, end - start - 1));
                start = end;
            }
            out += ']';
            break;
        }
        key = f.keyEnd;
        value = f.valueEnd;
    }
    out += '}';
}

void Record::AppendCsvRow(std::string& out) const
{
    std::size_t value = 0;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const Field& f = fields_[i];
        if (i != 0)
            out += ',';
        const std::string_view text = std::string_view(values_).substr(value, f.valueEnd - value);
        if (f.kind == Kind::Text) {
            AppendCsvField(out, text);
        } else if (f.kind == Kind::TextList) {
            std::string joined;
            for (std::size_t start = 0; start < text.size();) {
                const std::size_t end = std::min(text.find('\0', start + 1), text.size());
                if (start != 0)
                    joined += "; ";
                joined.append(text.substr(start + 1, end - start - 1));
                start = end;
            }
            AppendCsvField(out, joined);
        } else {
            out.append(text);
        }
        value = f.valueEnd;
    }
}

std::string Record::Json() const
{
    std::string out;
    AppendJson(out);
    return out;
}

std::string Record::CsvRow() const
{
    std::string out;
    AppendCsvRow(out);
    return out;
}

std::string Record::CsvHeader() const
{
    std::string out;
    std::size_t key = 0;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (i != 0)
            out += ',';
        AppendCsvField(out, std::string_view(keys_).substr(key, fields_[i].keyEnd - key));
        key = fields_[i].keyEnd;
    }
    return out;
}

std::size_t TextWidth(std::string_view text)
{
    std::size_t width = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++width;
    return width;
}

void Table::Row(std::string_view name, std::string_view value, std::string_view unit)
{
    if (entries_.empty()) {
        entries_.reserve(16);
        texts_.reserve(512);
    }
    Entry e{false, 0, 0, 0, static_cast<std::uint32_t>(TextWidth(name)), static_cast<std::uint32_t>(TextWidth(value))};
    texts_.append(name);
    e.nameEnd = static_cast<std::uint32_t>(texts_.size());
    texts_.append(value);
    e.valueEnd = static_cast<std::uint32_t>(texts_.size());
    texts_.append(unit);
    e.unitEnd = static_cast<std::uint32_t>(texts_.size());
    nameWidth_ = std::max<std::size_t>(nameWidth_, e.nameWidth);
    valueWidth_ = std::max<std::size_t>(valueWidth_, e.valueWidth);
    entries_.push_back(e);
}

void Table::Line(std::string_view text)
{
    texts_.append(text);
    const auto end = static_cast<std::uint32_t>(texts_.size());
    entries_.push_back({true, end, end, end, 0, 0});
}

std::string Table::Render() const
{
    std::string out;
    out.reserve(texts_.size() + entries_.size() * (nameWidth_ + valueWidth_ + 4));
    const std::string_view texts(texts_);
    std::size_t start = 0;
    for (const Entry& e : entries_) {
        const std::size_t lineStart = out.size();
        out.append(texts.substr(start, e.nameEnd - start));
        if (!e.line) {
            out.append(nameWidth_ - e.nameWidth + 2, ' ');
            // Numbers right-aligned, so their magnitudes line up.
            out.append(valueWidth_ - e.valueWidth, ' ');
            out.append(texts.substr(e.nameEnd, e.valueEnd - e.nameEnd));
            if (e.unitEnd != e.valueEnd) {
                out += ' ';
                out.append(texts.substr(e.valueEnd, e.unitEnd - e.valueEnd));
            }
            while (out.size() > lineStart && out.back() == ' ')
                out.pop_back();
        }
        out += '\n';
        start = e.unitEnd;
    }
    return out;
}

SeparatorScope::SeparatorScope(char separator) : previous_(DecimalSeparator()) { SetDecimalSeparator(separator); }

SeparatorScope::~SeparatorScope() { SetDecimalSeparator(previous_); }

} // namespace cli
