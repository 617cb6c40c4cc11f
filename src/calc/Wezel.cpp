#include "calc/Wezel.h"

#include <cmath>
#include <limits>

#include "base/NumberText.h"
#include "base/StringTable.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// atoi of a short text: blanks, a sign, digits; 0 without digits.
int IntegerValue(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = value < 100000 ? value * 10 + (text[i] - '0') : value;
    return negative ? -value : value;
}

// An exponent of 0 (typed as e+000) keeps accepting digits until the value
// limit stops it; this count never grows past 3 however many are typed.
constexpr int kUnlimitedExponentDigits = std::numeric_limits<int>::min() / 2;
constexpr int kMaxExponent = 290;
constexpr std::size_t kMaxTypedLength = 13;

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

bool CStala::EnterDigit(char digit)
{
    if (!IsDigit(digit))
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
        if (m_exponentDigits > 3 || text.size() < 3)
            return false;
        const std::string shifted = text.substr(text.size() - 3) + digit;
        if (IntegerValue(shifted) > kMaxExponent)
            return false;
        text.replace(text.size() - 3, 3, shifted.substr(1));
        ++m_exponentDigits;
        return true;
    }
    }
}

void CStala::EnterPi() { m_valueText = FormatFixed(kStoredPi, 11); }

void CStala::StartFraction() { m_phase = 1; }

bool CStala::StartExponent()
{
    if (m_exponentFlag == 1)
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
    if (m_phase == 2 && text.size() >= 5) {
        char& sign = text[text.size() - 4];
        const char before = text[text.size() - 5];
        // Only a real exponent sign is flipped; a text without one (pi
        // entered while the exponent was being typed) changes its own sign.
        if ((sign == '+' || sign == '-') && (before == 'e' || before == 'E')) {
            sign = sign == '-' ? '+' : '-';
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
        // DeriveEntryState has left the exponent as e, a sign, three digits.
        const int exponent = text.size() >= 3 ? IntegerValue(text.substr(text.size() - 3)) : 0;
        if (exponent >= 10) {
            std::string shifted(1, '0');
            shifted.append(text, text.size() - 3, 2);
            text.replace(text.size() - 3, 3, shifted);
            --m_exponentDigits;
        } else {
            m_exponentFlag = 0;
            text.resize(text.size() >= 5 ? text.size() - 5 : 0);
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
    const std::size_t e = text.find_first_of("eE");
    if (e == std::string::npos) {
        m_exponentFlag = 0;
        m_phase = text.back() == m_separator ? 0 : 1;
        return;
    }
    // The C library prints two exponent digits where three would do, and
    // edits may leave other forms; the exponent rules work on "e", a sign
    // and exactly three digits, so the exponent is rewritten that way.
    // The value stays what it was (digits beyond 999 overflow either way).
    std::size_t i = e + 1;
    char sign = '+';
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        sign = text[i++];
    int exponent = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        exponent = std::min(999, exponent * 10 + (text[i] - '0'));
    std::string digits = std::to_string(exponent);
    digits.insert(0, 3 - digits.size(), '0');
    text = text.substr(0, e) + 'e' + sign + digits;
    if (e == 0)
        text.insert(0, 1, '0');

    m_phase = 2;
    m_exponentFlag = 1;
    if (exponent == 0)
        m_exponentDigits = kUnlimitedExponentDigits;
    else if (exponent < 10)
        m_exponentDigits = 1;
    else if (exponent < 100)
        m_exponentDigits = 2;
    else
        m_exponentDigits = 3;
}

double CDzialanie::Evaluate() const
{
    if (m_left == nullptr || m_right == nullptr)
        return 0.0;
    const double a = m_left->Evaluate();
    const double b = m_right->Evaluate();
    return Combine(a, b);
}

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

double CLewyNaw::Evaluate() const { return Apply(m_left != nullptr ? m_left->Evaluate() : 0.0); }
