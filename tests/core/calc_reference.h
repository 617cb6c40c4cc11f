// A reference for the calculator's results, shared by its tests and its
// fuzz target: no gtest here.
#pragma once

#include <cmath>
#include <optional>
#include <string>

#include "base/NumberText.h"
#include "calc/TokenList.h"

namespace calctest {

// The value of the expression before a mark, computed straight from the
// tokens by recursive descent, without the list's links or any value a
// node keeps: what a whole recomputation gives.
class WholeRecomputation {
public:
    explicit WholeRecomputation(const CTokenList& tokens) : m_tokens(tokens) {}

    double ValueBefore(int mark)
    {
        m_at = m_tokens.PreviousResultMark(mark) + 1;
        const std::optional<double> value = Sum();
        return value.value_or(0.0);
    }

private:
    int Kind() const { return m_tokens.KindAt(m_at); }
    // An operator with a missing operand counts 0, as a node does.
    template <class Operand>
    std::optional<double> Chain(Operand operand, int first, int second)
    {
        std::optional<double> acc = operand();
        while (Kind() == first || Kind() == second) {
            const int kind = Kind();
            ++m_at;
            const std::optional<double> right = operand();
            if (!acc || !right) {
                acc = 0.0;
                continue;
            }
            switch (kind) {
            case kKindSuma: acc = *acc + *right; break;
            case kKindRoznica: acc = *acc - *right; break;
            case kKindIloczyn: acc = *acc * *right; break;
            default: acc = *acc / *right; break;
            }
        }
        return acc;
    }
    std::optional<double> Sum() { return Chain([this] { return Product(); }, kKindSuma, kKindRoznica); }
    std::optional<double> Product() { return Chain([this] { return Primary(); }, kKindIloczyn, kKindIloraz); }
    std::optional<double> Primary()
    {
        const CWezel* token = m_tokens.At(m_at);
        if (token == nullptr)
            return std::nullopt;
        if (token->m_kind == kKindStala) {
            ++m_at;
            return ParseNumber(token->m_valueText);
        }
        if (token->m_kind != kKindLewyNaw)
            return std::nullopt;
        ++m_at;
        const std::optional<double> content = Sum();
        if (Kind() == kKindPrawyNaw)
            ++m_at;
        return static_cast<const CLewyNaw*>(token)->Apply(content.value_or(0.0));
    }

    const CTokenList& m_tokens;
    int m_at = 0;
};

// Whether a result's text shows what the whole recomputation gives
// (`expected`, printed as `expectedText`). Which of two NaN operands an
// operation passes on, and so a NaN's sign, follows the order the compiler
// chose for that operation's operands: any NaN text stands for a NaN.
inline bool ShowsWholeResult(const std::string& text, const std::string& expectedText, double expected)
{
    if (std::isnan(expected))
        return text.find("nan") != std::string::npos;
    return text == expectedText;
}

} // namespace calctest
