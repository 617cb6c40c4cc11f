#include "cli/CliCore.h"

#include <algorithm>
#include <cctype>
#include <cmath>

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

std::vector<std::string> UnitNames(int quantity)
{
    std::vector<std::string> names;
    const int count = UnitCount(quantity);
    for (int unit = 0; unit < count; ++unit)
        names.push_back(UnitName(quantity, unit));
    return names;
}

int FindUnit(int quantity, std::string_view name)
{
    const std::vector<std::string> names = UnitNames(quantity);
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
    if (std::fabs(v - stop_) <= std::fabs(step_) * 1e-9)
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

std::string MachineNumber(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    SeparatorScope point('.');
    return FormatG(value, 17);
}

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                static const char* hex = "0123456789abcdef";
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
    return out;
}

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

void Record::Number(const std::string& key, double value)
{
    Field f;
    f.key = key;
    f.kind = Kind::Number;
    f.number = value;
    fields_.push_back(std::move(f));
}

void Record::Integer(const std::string& key, long long value)
{
    Field f;
    f.key = key;
    f.kind = Kind::Integer;
    f.integer = value;
    fields_.push_back(std::move(f));
}

void Record::Boolean(const std::string& key, bool value)
{
    Field f;
    f.key = key;
    f.kind = Kind::Boolean;
    f.integer = value ? 1 : 0;
    fields_.push_back(std::move(f));
}

void Record::Text(const std::string& key, const std::string& value)
{
    Field f;
    f.key = key;
    f.kind = Kind::Text;
    f.text = value;
    fields_.push_back(std::move(f));
}

void Record::IntegerList(const std::string& key, const std::vector<int>& values)
{
    Field f;
    f.key = key;
    f.kind = Kind::List;
    f.list = values;
    fields_.push_back(std::move(f));
}

std::vector<std::string> Record::Keys() const
{
    std::vector<std::string> keys;
    for (const Field& f : fields_)
        keys.push_back(f.key);
    return keys;
}

std::string Record::Json() const
{
    std::string out = "{";
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const Field& f = fields_[i];
        if (i != 0)
            out += ", ";
        out += JsonString(f.key);
        out += ": ";
        switch (f.kind) {
        case Kind::Number:
            out += std::isfinite(f.number) ? MachineNumber(f.number) : JsonString(MachineNumber(f.number));
            break;
        case Kind::Integer: out += std::to_string(f.integer); break;
        case Kind::Boolean: out += f.integer != 0 ? "true" : "false"; break;
        case Kind::Text: out += JsonString(f.text); break;
        case Kind::List:
            out += '[';
            for (std::size_t j = 0; j < f.list.size(); ++j) {
                if (j != 0)
                    out += ", ";
                out += std::to_string(f.list[j]);
            }
            out += ']';
            break;
        }
    }
    out += '}';
    return out;
}

std::string Record::CsvHeader() const
{
    std::string out;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (i != 0)
            out += ',';
        out += CsvField(fields_[i].key);
    }
    return out;
}

std::string Record::CsvRow() const
{
    std::string out;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const Field& f = fields_[i];
        if (i != 0)
            out += ',';
        switch (f.kind) {
        case Kind::Number: out += MachineNumber(f.number); break;
        case Kind::Integer: out += std::to_string(f.integer); break;
        case Kind::Boolean: out += f.integer != 0 ? "true" : "false"; break;
        case Kind::Text: out += CsvField(f.text); break;
        case Kind::List: {
            std::string list;
            for (std::size_t j = 0; j < f.list.size(); ++j) {
                if (j != 0)
                    list += ' ';
                list += std::to_string(f.list[j]);
            }
            out += list;
            break;
        }
        }
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

void Table::Row(const std::string& name, const std::string& value, const std::string& unit)
{
    entries_.push_back({false, name, value, unit});
}

void Table::Line(const std::string& text) { entries_.push_back({true, text, {}, {}}); }

std::string Table::Render() const
{
    std::size_t nameWidth = 0;
    std::size_t valueWidth = 0;
    for (const Entry& e : entries_) {
        if (e.line)
            continue;
        nameWidth = std::max(nameWidth, TextWidth(e.name));
        valueWidth = std::max(valueWidth, TextWidth(e.value));
    }
    std::string out;
    for (const Entry& e : entries_) {
        if (e.line) {
            out += e.name;
            out += '\n';
            continue;
        }
        std::string line = e.name;
        line.append(nameWidth - TextWidth(e.name) + 2, ' ');
        // Numbers right-aligned, so their magnitudes line up.
        line.append(valueWidth - TextWidth(e.value), ' ');
        line += e.value;
        if (!e.unit.empty()) {
            line += ' ';
            line += e.unit;
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out += line;
        out += '\n';
    }
    return out;
}

SeparatorScope::SeparatorScope(char separator) : previous_(DecimalSeparator()) { SetDecimalSeparator(separator); }

SeparatorScope::~SeparatorScope() { SetDecimalSeparator(previous_); }

} // namespace cli
