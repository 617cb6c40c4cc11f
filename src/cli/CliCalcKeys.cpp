#include "cli/CliCalcKeys.h"

#include <cctype>
#include <cmath>

#include "cli/CliCore.h"

namespace cli {

namespace {

std::string Lower(const std::string& text)
{
    std::string lower = text;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Function words: the captions of the page's buttons without blanks.
struct FunctionWord {
    const char* word;
    int number;
};

constexpr FunctionWord kFunctions[] = {
    {"(", 0},        {"1/x", 1},      {"sqrt", 2},     {"qurt", 3},     {"x^2", 4},      {"x^y", 5},
    {"10^x", 6},     {"e^x", 7},      {"x^1/y", 8},    {"log", 9},      {"ln", 10},      {"sin", 11},
    {"cos", 12},     {"tan", 13},     {"arcsin", 14},  {"arccos", 15},  {"arctan", 16},  {"sinh", 17},
    {"cosh", 18},    {"tanh", 19},    {"arsinh", 20},  {"arcosh", 21},  {"artanh", 22},  {"a->b", 23},
    {"b->a", 24},    {"a-->b", 23},   {"b-->a", 24},
};

[[noreturn]] void Unknown(const std::string& word, const std::string& why = "unknown key")
{
    throw UsageError(why + " \"" + word + "\"; see zentaro-cli calc --help for the keys", "calc");
}

int Whole(const std::string& word, const std::string& digits, int low, int high)
{
    if (digits.empty() || digits.size() > 9)
        Unknown(word, "bad number in key");
    long long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            Unknown(word, "bad number in key");
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high)
        throw UsageError("key \"" + word + "\": " + std::to_string(value) + " is not from " + std::to_string(low) +
                             " to " + std::to_string(high),
                         "calc");
    return static_cast<int>(value);
}

void AddWord(const std::string& word, char localeSeparator, std::vector<CalcKey>& keys)
{
    auto key = [&](CalcKeyKind kind, int number = 0) {
        CalcKey k;
        k.kind = kind;
        k.number = number;
        k.word = word;
        keys.push_back(k);
    };
    const std::string w = Lower(word);

    // A number written out: its digit and separator keys one by one.
    bool numeric = !w.empty();
    std::size_t separators = 0;
    for (char c : w) {
        if (c == '.' || c == ',')
            ++separators;
        else if (c < '0' || c > '9')
            numeric = false;
    }
    if (numeric && separators <= 1 && w.size() > separators) {
        for (char c : w) {
            if (c == '.' || c == ',')
                key(CalcKeyKind::Separator);
            else
                key(CalcKeyKind::Digit, c - '0');
        }
        return;
    }
    if (w == "," || w == ".")
        return key(CalcKeyKind::Separator);
    if (w == "+/-")
        return key(CalcKeyKind::Sign);
    if (w == "exp")
        return key(CalcKeyKind::Exp);
    if (w == "c")
        return key(CalcKeyKind::Clear);
    if (w == "ce")
        return key(CalcKeyKind::ClearAll);
    if (w == "bs")
        return key(CalcKeyKind::Backspace);
    if (w == "+" || w == "-" || w == "*" || w == "/")
        return key(CalcKeyKind::Operator, w[0]);
    if (w == ")")
        return key(CalcKeyKind::Close);
    if (w == "=")
        return key(CalcKeyKind::Equals);
    if (w == "pi")
        return key(CalcKeyKind::Pi);
    if (w == "deg")
        return key(CalcKeyKind::Angle, 0);
    if (w == "rad")
        return key(CalcKeyKind::Angle, 1);
    if (w == "grad")
        return key(CalcKeyKind::Angle, 2);
    if (w == "fix")
        return key(CalcKeyKind::Fix);
    if (w == "info")
        return key(CalcKeyKind::Info);
    for (const FunctionWord& f : kFunctions)
        if (w == f.word)
            return key(CalcKeyKind::Function, f.number);
    const std::size_t colon = w.find(':');
    if (colon != std::string::npos) {
        const std::string name = w.substr(0, colon);
        const std::string arg = word.substr(colon + 1);
        if (name == "select")
            return key(CalcKeyKind::Select, Whole(word, arg, 0, 1000000000));
        if (name == "dec")
            return key(CalcKeyKind::Decimals, Whole(word, arg, 0, 11));
        if (name == "y") {
            CalcKey k;
            k.kind = CalcKeyKind::Exponent;
            k.word = word;
            const std::size_t length = ReadNumberPrefix(arg, localeSeparator, &k.value);
            if (length == 0 || length != arg.size() || !std::isfinite(k.value))
                throw UsageError("key \"" + word + "\": \"" + arg + "\" is not a finite number", "calc");
            keys.push_back(k);
            return;
        }
        if (name == "paste") {
            CalcKey k;
            k.kind = CalcKeyKind::Paste;
            k.word = word;
            k.text = arg;
            keys.push_back(k);
            return;
        }
    }
    Unknown(word);
}

} // namespace

std::vector<CalcKey> ParseCalcKeys(const std::vector<std::string>& args, char localeSeparator)
{
    std::vector<CalcKey> keys;
    for (const std::string& arg : args) {
        std::size_t i = 0;
        while (i < arg.size()) {
            while (i < arg.size() && std::isspace(static_cast<unsigned char>(arg[i])))
                ++i;
            std::size_t j = i;
            while (j < arg.size() && !std::isspace(static_cast<unsigned char>(arg[j])))
                ++j;
            if (j > i)
                AddWord(arg.substr(i, j - i), localeSeparator, keys);
            i = j;
        }
    }
    return keys;
}

} // namespace cli
