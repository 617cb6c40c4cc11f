#include "calc/Wezel.h"

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "base/NumberText.h"
#include "base/StringTable.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// An exponent of 0 (typed as e+000) keeps accepting digits until the value
// limit stops it; this count never grows past 3 however many are typed.
constexpr int kUnlimitedExponentDigits = std::numeric_limits<int>::min() / 2;
constexpr int kMaxExponent = 290;
constexpr std::size_t kMaxTypedLength = 13;

// The exponent part of a value text: from its last "e" (or "E"), an
// optional sign, then the digits that end the text. The last one counts:
// EXP on a carried result that has an exponent of its own appends a second
// one, and Backspace must take back only what EXP added.
//
// Keys write three exponent digits ("e+000"); the C library writes two or
// three, and a separator pressed in the exponent appends more. Three digits
// shift through their three places as keys are typed and deleted; other
// widths grow or shrink by one digit at the end, so that neither the sign
// nor the value is ever lost.
struct ExponentPart {
    std::size_t letter = 0; // position of the "e"
    std::size_t digits = 0; // position of the first digit (the text's end when none)

    static std::optional<ExponentPart> Of(const std::string& text)
    {
        const std::size_t letter = text.find_last_of("eE");
        if (letter == std::string::npos)
            return std::nullopt;
        std::size_t digits = text.size();
        while (digits > letter + 1 && IsDigit(text[digits - 1]))
            --digits;
        return ExponentPart{letter, digits};
    }

    std::size_t Width(const std::string& text) const { return text.size() - digits; }

    // The exponent's magnitude, saturated well above any limit.
    int Value(const std::string& text) const
    {
        int value = 0;
        for (std::size_t i = digits; i < text.size(); ++i)
            value = value < 100000 ? value * 10 + (text[i] - '0') : value;
        return value;
    }

    // The sign character, when the text has one right after the letter.
    std::size_t SignPosition(const std::string& text) const
    {
        const std::size_t at = letter + 1;
        return at < text.size() && (text[at] == '+' || text[at] == '-') ? at : std::string::npos;
    }
};

int DecimalDigits(int value)
{
    int digits = 1;
    for (; value >= 10; value /= 10)
        ++digits;
    return digits;
}

} // namespace

CStala::CStala() : CWezel(kKindStala, std::string()), m_separator(DecimalSeparator()) { Clear(); }

double CStala::Evaluate() const { return ParseNumber(m_valueText); }

void CStala::Clear()
{
    m_separator = DecimalSeparator();
    m_valueText = std::string("0") + m_separator;
    m_phase = 0;
    m_exponentFlag = 0;
    m_exponentDigits = 1;
}

bool CStala::IsNonFinite() const { return IsNonFiniteWord(m_valueText); }

bool CStala::EnterDigit(char digit)
{
    // inf and nan are words, not digits: no digit extends them.
    if (!IsDigit(digit) || IsNonFinite())
        return false;
    std::string& text = m_valueText;
    switch (m_phase) {
    case 0:
        // Equality on purpose: a longer pasted text still takes digits.
        if (text.size() == kMaxTypedLength)
            return false;
        if (!text.empty() && text[0] == '0') {
            text = std::string(1, digit) + m_separator;
        } else {
            if (!text.empty())
                text.pop_back();
            text += digit;
            text += m_separator;
        }
        return true;
    case 1:
        if (text.size() == kMaxTypedLength)
            return false;
        text += digit;
        return true;
    default: {
        // Pi typed during the exponent leaves no exponent to extend.
        const std::optional<ExponentPart> exponent = ExponentPart::Of(text);
        if (m_exponentDigits > 3 || !exponent)
            return false;
        std::string digits = text.substr(exponent->digits) + digit;
        int value = 0;
        for (char c : digits)
            value = value <= kMaxExponent ? value * 10 + (c - '0') : value;
        if (value > kMaxExponent)
            return false;
        // Three digits move one place to the left (the first, a zero, goes).
        if (digits.size() == 4)
            digits.erase(0, 1);
        text.replace(exponent->digits, std::string::npos, digits);
        ++m_exponentDigits;
        return true;
    }
    }
}

void CStala::EnterPi() { m_valueText = FormatFixed(kStoredPi, 11); }

bool CStala::StartFraction()
{
    if (IsNonFinite())
        return false;
    m_phase = 1;
    return true;
}

bool CStala::StartExponent()
{
    if (m_exponentFlag == 1 || IsNonFinite())
        return false;
    m_phase = 2;
    m_exponentFlag = 1;
    m_valueText += "e+000";
    return true;
}

void CStala::ToggleSign()
{
    if (Evaluate() == 0.0)
        return;
    std::string& text = m_valueText;
    if (m_phase == 2) {
        // Only a real exponent has its sign flipped; a text without one (pi
        // entered while the exponent was being typed) changes its own sign.
        if (const std::optional<ExponentPart> exponent = ExponentPart::Of(text)) {
            const std::size_t sign = exponent->SignPosition(text);
            if (sign == std::string::npos)
                text.insert(exponent->letter + 1, 1, '-');
            else
                text[sign] = text[sign] == '-' ? '+' : '-';
            return;
        }
    }
    if (!text.empty() && text[0] == '-')
        text.erase(0, 1);
    else
        text.insert(0, 1, '-');
}

void CStala::DeleteLast()
{
    // A word such as inf goes as a whole: no character of it is a number.
    if (IsNonFinite()) {
        Clear();
        return;
    }
    DeriveEntryState();
    std::string& text = m_valueText;
    switch (m_phase) {
    case 0:
        if (text.size() > 2) {
            text.resize(text.size() - 2);
            text += m_separator;
        } else {
            text = std::string("0") + m_separator;
        }
        break;
    case 1:
        if (text.size() > 1)
            text.pop_back();
        break;
    default: {
        // DeriveEntryState has found an exponent part.
        const ExponentPart exponent = *ExponentPart::Of(text);
        if (exponent.Value(text) >= 10) {
            // The last digit goes: e+123 becomes e+012, e+13 becomes e+1.
            if (exponent.Width(text) == 3)
                text.insert(exponent.digits, 1, '0');
            text.pop_back();
            --m_exponentDigits;
        } else {
            // The whole exponent part goes, and only that one.
            m_exponentFlag = 0;
            text.erase(exponent.letter);
        }
        break;
    }
    }
    if (text.empty())
        text = std::string("0") + m_separator;
    DeriveEntryState();
}

void CStala::DeriveEntryState()
{
    std::string& text = m_valueText;
    if (text.empty())
        text = std::string("0") + m_separator;
    const std::optional<ExponentPart> exponent = ExponentPart::Of(text);
    if (!exponent) {
        m_exponentFlag = 0;
        m_phase = text.back() == m_separator ? 0 : 1;
        return;
    }
    // The text itself is left as it is: the state follows it.
    m_phase = 2;
    m_exponentFlag = 1;
    const int value = exponent->Value(text);
    m_exponentDigits = value == 0 ? kUnlimitedExponentDigits : DecimalDigits(value);
}

double EvaluateSubtree(const CWezel& root)
{
    // A node is visited twice: first its operands are scheduled (left on
    // top, so it is evaluated first), then its value replaces theirs on
    // the value stack.
    struct Visit {
        const CWezel* node;
        bool operandsDone;
    };
    // The stacks keep their room from one walk to the next: a long
    // expression, recomputed on every key, then allocates nothing.
    struct Scratch {
        std::vector<Visit> visits;
        std::vector<double> values;
        bool inUse = false;
    };
    thread_local Scratch scratch;
    Scratch local;
    Scratch& use = scratch.inUse ? local : scratch;
    use.inUse = true;
    std::vector<Visit>& visits = use.visits;
    std::vector<double>& values = use.values;
    visits.clear();
    values.clear();
    visits.push_back({&root, false});
    while (!visits.empty()) {
        const Visit visit = visits.back();
        visits.pop_back();
        const CWezel& node = *visit.node;
        const int count = node.OperandCount();
        if (count > 0 && !visit.operandsDone) {
            visits.push_back({&node, true});
            if (count > 1)
                visits.push_back({node.m_right, false});
            visits.push_back({node.m_left, false});
            continue;
        }
        // The operands' values are the last `count` on the stack.
        const std::size_t first = values.size() - static_cast<std::size_t>(count);
        const double value = node.ValueFrom(values.data() + first);
        values.resize(first);
        values.push_back(value);
    }
    use.inUse = false;
    return values.back();
}

double EvaluateAndRecord(CWezel& root, std::uint64_t walk)
{
    // As EvaluateSubtree; a node is recorded when its value is known.
    struct Visit {
        CWezel* node;
        bool operandsDone;
    };
    thread_local std::vector<Visit> visits;
    visits.clear();
    root.m_parent = nullptr;
    visits.push_back({&root, false});
    while (!visits.empty()) {
        const Visit visit = visits.back();
        visits.pop_back();
        CWezel& node = *visit.node;
        const int count = node.OperandCount();
        if (count > 0 && !visit.operandsDone) {
            visits.push_back({&node, true});
            if (count > 1) {
                node.m_right->m_parent = &node;
                visits.push_back({node.m_right, false});
            }
            node.m_left->m_parent = &node;
            visits.push_back({node.m_left, false});
            continue;
        }
        node.m_value = RecomputeFromOperands(node);
        node.m_walk = walk;
    }
    return root.m_value;
}

double RecomputeFromOperands(const CWezel& node)
{
    const int count = node.OperandCount();
    double operands[2] = {0.0, 0.0};
    if (count > 0)
        operands[0] = node.m_left->m_value;
    if (count > 1)
        operands[1] = node.m_right->m_value;
    return node.ValueFrom(operands);
}

double CDzialanie::Evaluate() const { return EvaluateSubtree(*this); }

double CWynik::Evaluate() const { return EvaluateSubtree(*this); }

CLewyNaw::CLewyNaw() : CWezel(kKindLewyNaw, "(") {}

void CLewyNaw::SetFunction(int function, double factor, double offset)
{
    m_function = function;
    m_factor = factor;
    m_offset = offset;
    m_label = LoadText(kIdsFunctionLabel0 + function);
}

double RoundTo11Decimals(double value) { return ParseNumber(FormatFixed(value, 11)); }

double CLewyNaw::Apply(double x) const
{
    const double f = m_factor;
    switch (m_function) {
    case 1: return 1.0 / x;
    case 2: return std::sqrt(x);
    case 3: return std::pow(x, 0.3333333333333333);
    case 4: return x * x;
    case 5: return std::pow(x, f);
    case 6: return std::pow(10.0, x);
    case 7: return std::exp(x);
    case 8: return std::pow(x, 1.0 / f);
    case 9: return std::log10(x);
    case 10: return std::log(x);
    case 11: return RoundTo11Decimals(std::sin(x * f));
    case 12: return RoundTo11Decimals(std::cos(x * f));
    case 13: {
        // Both poles read as +infinity, whichever side they are met from.
        double t = std::tan(x * f);
        if (t > 1e12)
            t = -std::numeric_limits<double>::infinity();
        if (t < -1e12)
            t = std::numeric_limits<double>::infinity();
        return t;
    }
    case 14: return std::asin(x) / f;
    case 15: return std::acos(x) / f;
    case 16: return std::atan(x) / f;
    case 17: return std::sinh(x * f);
    case 18: return std::cosh(x * f);
    case 19: return std::tanh(x * f);
    case 20: return std::log(x + std::sqrt(x * x + 1.0)) / f;
    case 21: return std::log(x + std::sqrt(x * x - 1.0)) / f;
    case 22: return std::log((x + 1.0) / (1.0 - x)) * 0.5 / f;
    case 23: return x * f + m_offset;
    case 24: return (x - m_offset) / f;
    default: return x;
    }
}

double CLewyNaw::Evaluate() const { return EvaluateSubtree(*this); }
