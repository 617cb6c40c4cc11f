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

CWezel* CTokenList::ParseSum()
{
    CWezel* acc = ParseProduct();
    for (;;) {
        CWezel* token = At(m_parsePosition);
        if (token == nullptr || token->m_kind == kKindWezel || token->m_kind == kKindWynik
            || token->m_kind == kKindStala)
            return acc;
        ++m_parsePosition;
        if (token->m_kind != kKindSuma && token->m_kind != kKindRoznica) {
            --m_parsePosition;
            return acc;
        }
        CWezel* operand = ParseProduct();
        token->SetLeft(acc);
        token->SetRight(operand);
        acc = token;
    }
}

CWezel* CTokenList::ParseProduct()
{
    CWezel* acc = ParsePrimary();
    for (;;) {
        CWezel* token = At(m_parsePosition);
        if (token == nullptr || token->m_kind == kKindWezel || token->m_kind == kKindWynik
            || token->m_kind == kKindStala)
            return acc;
        ++m_parsePosition;
        if (token->m_kind != kKindIloczyn && token->m_kind != kKindIloraz) {
            --m_parsePosition;
            return acc;
        }
        CWezel* operand = ParsePrimary();
        token->SetLeft(acc);
        token->SetRight(operand);
        acc = token;
    }
}

CWezel* CTokenList::ParsePrimary()
{
    CWezel* token = At(m_parsePosition);
    if (token == nullptr)
        return nullptr;
    switch (token->m_kind) {
    case kKindStala:
        ++m_parsePosition;
        return token;
    case kKindLewyNaw: {
        ++m_parsePosition;
        CWezel* content = ParseSum();
        token->SetLeft(content);
        if (KindAt(m_parsePosition) == kKindPrawyNaw)
            ++m_parsePosition;
        return token;
    }
    default:
        return nullptr;
    }
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
