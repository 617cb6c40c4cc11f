// The calculator's keys as words on the command line: "7", "+", "sin",
// "select:2", "dec:3"... Parsing only; the tape applies them.
#pragma once

#include <string>
#include <vector>

namespace cli {

enum class CalcKeyKind {
    Digit,        // number: 0..9
    Separator,    // "," or "."
    Sign,         // "+/-"
    Exp,          // "EXP"
    Clear,        // "C"
    ClearAll,     // "CE"
    Backspace,    // "BS"
    Operator,     // number: '+', '-', '*', '/'
    Function,     // number: the function number 0..24 ("(" is 0)
    Close,        // ")"
    Equals,       // "="
    Pi,           // "PI"
    Select,       // number: the line, from 0
    Angle,        // number: 0 Deg, 1 Rad, 2 Grad
    Fix,          // toggles "Fix"
    Decimals,     // number: 0..11
    Exponent,     // value: y
    Paste,        // text: what the clipboard holds
    Info,
};

struct CalcKey {
    CalcKeyKind kind = CalcKeyKind::Digit;
    int number = 0;
    double value = 0;
    std::string text;
    std::string word;   // as written, for messages
};

// Splits the arguments at blanks and parses each word; a run of digits
// with at most one separator ("12", "2.5") stands for its keys one by one.
// Letter case is ignored. Throws UsageError (command "calc") for an
// unknown word, naming it.
std::vector<CalcKey> ParseCalcKeys(const std::vector<std::string>& args, char localeSeparator);

} // namespace cli
