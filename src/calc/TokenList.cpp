#include "calc/TokenList.h"

CWezel* CTokenList::At(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return m_nodes[static_cast<std::size_t>(index)].get();
}

int CTokenList::KindAt(int index) const
{
    const CWezel* node = At(index);
    return node != nullptr ? node->m_kind : kKindWezel;
}

CWezel* CTokenList::Append(std::unique_ptr<CWezel> node)
{
    m_nodes.push_back(std::move(node));
    return m_nodes.back().get();
}

CWezel* CTokenList::Replace(int index, std::unique_ptr<CWezel> node)
{
    if (At(index) == nullptr)
        return nullptr;
    auto& slot = m_nodes[static_cast<std::size_t>(index)];
    Unlink(slot.get());
    slot = std::move(node);
    return slot.get();
}

void CTokenList::Remove(int index)
{
    if (At(index) == nullptr)
        return;
    Unlink(At(index));
    m_nodes.erase(m_nodes.begin() + index);
    if (m_parsePosition > Count())
        m_parsePosition = Count();
}

void CTokenList::Clear()
{
    m_nodes.clear();
    m_parsePosition = 0;
}

void CTokenList::Unlink(const CWezel* node)
{
    for (auto& other : m_nodes) {
        if (other->m_left == node)
            other->m_left = nullptr;
        if (other->m_right == node)
            other->m_right = nullptr;
    }
}

CWezel* CTokenList::ParseSum() { return Parse(Rule::Sum); }

CWezel* CTokenList::ParseProduct() { return Parse(Rule::Product); }

CWezel* CTokenList::ParsePrimary() { return Parse(Rule::Primary); }

// Recursive descent with the calls on an explicit stack:
//   sum     = product, then any number of ("+" or "-") product;
//   product = primary, then any number of ("*" or "/") primary;
//   primary = number, or opening bracket, sum, [closing bracket].
// A rule that needs a sub-rule pushes it and waits; the sub-rule's root
// comes back in `result`. Links are set in the same order as the calls of
// a recursive parser would set them.
CWezel* CTokenList::Parse(Rule rule)
{
    std::vector<ParseFrame>& stack = m_parseStack;
    stack.clear();
    stack.push_back({rule, 0, nullptr, nullptr});
    CWezel* result = nullptr;
    auto finish = [&](CWezel* root) {
        result = root;
        stack.pop_back();
    };
    while (!stack.empty()) {
        ParseFrame& frame = stack.back();
        if (frame.rule == Rule::Primary) {
            if (frame.stage == 0) {
                CWezel* token = At(m_parsePosition);
                const int kind = token != nullptr ? token->m_kind : kKindWezel;
                if (kind == kKindStala) {
                    ++m_parsePosition;
                    finish(token);
                } else if (kind == kKindLewyNaw) {
                    ++m_parsePosition;
                    frame.stage = 1;
                    frame.pending = token;
                    stack.push_back({Rule::Sum, 0, nullptr, nullptr});
                } else {
                    // The end, a result mark, an operator or a closing
                    // bracket where an operand should be: no node.
                    finish(nullptr);
                }
            } else {
                // The bracket's content is parsed; its closing bracket, if
                // there is one, belongs to it.
                frame.pending->SetLeft(result);
                if (KindAt(m_parsePosition) == kKindPrawyNaw)
                    ++m_parsePosition;
                finish(frame.pending);
            }
            continue;
        }
        const Rule operand = frame.rule == Rule::Sum ? Rule::Product : Rule::Primary;
        if (frame.stage == 0) {
            frame.stage = 1;
            stack.push_back({operand, 0, nullptr, nullptr});
            continue;
        }
        if (frame.stage == 1) {
            frame.acc = result;
        } else {
            frame.pending->SetLeft(frame.acc);
            frame.pending->SetRight(result);
            frame.acc = frame.pending;
        }
        // An operator of this level takes the next operand; anything else
        // ends the rule where it stands.
        CWezel* token = At(m_parsePosition);
        const int kind = token != nullptr ? token->m_kind : kKindWezel;
        const bool ours = frame.rule == Rule::Sum ? (kind == kKindSuma || kind == kKindRoznica)
                                                  : (kind == kKindIloczyn || kind == kKindIloraz);
        if (!ours) {
            finish(frame.acc);
            continue;
        }
        ++m_parsePosition;
        frame.stage = 2;
        frame.pending = token;
        stack.push_back({operand, 0, nullptr, nullptr});
    }
    return result;
}

void CTokenList::EvaluateResult(int k, const ResultFormatter& formatter)
{
    CWezel* mark = At(k);
    if (mark == nullptr || mark->m_kind != kKindWynik)
        return;
    m_parsePosition = 0;
    for (int i = k - 1; i >= 0; --i)
        if (KindAt(i) == kKindWynik) {
            m_parsePosition = i + 1;
            break;
        }
    mark->SetLeft(ParseSum());
    mark->m_valueText = formatter(mark->Evaluate());
}

void CTokenList::ReevaluateFrom(int c, const ResultFormatter& formatter)
{
    for (int i = c < 0 ? 0 : c; i < Count(); ++i) {
        EvaluateResult(i, formatter);
        if (KindAt(i) == kKindWynik)
            return;
    }
}
