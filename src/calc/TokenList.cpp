#include "calc/TokenList.h"

#include <algorithm>

#include "base/NumberText.h"

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
    if (m_nodes.back()->m_kind == kKindWynik)
        m_resultMarks.push_back(Count() - 1);
    return m_nodes.back().get();
}

CWezel* CTokenList::Replace(int index, std::unique_ptr<CWezel> node)
{
    if (At(index) == nullptr)
        return nullptr;
    auto& slot = m_nodes[static_cast<std::size_t>(index)];
    Unlink(index);
    const bool wasMark = slot->m_kind == kKindWynik;
    slot = std::move(node);
    const bool isMark = slot->m_kind == kKindWynik;
    if (wasMark && !isMark)
        m_resultMarks.erase(std::lower_bound(m_resultMarks.begin(), m_resultMarks.end(), index));
    if (isMark && !wasMark)
        m_resultMarks.insert(std::lower_bound(m_resultMarks.begin(), m_resultMarks.end(), index), index);
    StructureChanged(index);
    return slot.get();
}

void CTokenList::Remove(int index)
{
    if (At(index) == nullptr)
        return;
    Unlink(index);
    m_nodes.erase(m_nodes.begin() + index);
    // Marks at and after the index move up one place.
    auto mark = std::lower_bound(m_resultMarks.begin(), m_resultMarks.end(), index);
    if (mark != m_resultMarks.end() && *mark == index)
        mark = m_resultMarks.erase(mark);
    for (; mark != m_resultMarks.end(); ++mark)
        --*mark;
    if (m_parsePosition > Count())
        m_parsePosition = Count();
    StructureChanged(index);
}

void CTokenList::Clear()
{
    m_nodes.clear();
    m_resultMarks.clear();
    m_parsePosition = 0;
}

int CTokenList::NextResultMark(int from) const
{
    const auto mark = std::lower_bound(m_resultMarks.begin(), m_resultMarks.end(), from);
    return mark != m_resultMarks.end() ? *mark : -1;
}

int CTokenList::PreviousResultMark(int before) const
{
    const auto mark = std::lower_bound(m_resultMarks.begin(), m_resultMarks.end(), before);
    return mark != m_resultMarks.begin() ? *(mark - 1) : -1;
}

void CTokenList::Link(CWezel* node, bool left, CWezel* target)
{
    CWezel* const before = left ? node->m_left : node->m_right;
    if (left)
        node->SetLeft(target);
    else
        node->SetRight(target);
    // A number or a closing bracket refuses links: count what was set.
    CWezel* const after = left ? node->m_left : node->m_right;
    if (before == after)
        return;
    if (before != nullptr)
        --before->m_linkedBy;
    if (after != nullptr)
        ++after->m_linkedBy;
}

void CTokenList::Unlink(int index)
{
    CWezel* const node = At(index);
    // Its own links go with it.
    for (CWezel* target : {node->m_left, node->m_right})
        if (target != nullptr)
            --target->m_linkedBy;
    node->m_left = nullptr;
    node->m_right = nullptr;
    // Links to it come from the tree it was parsed into, mostly from its
    // neighbours: look outwards until every one is cut.
    const int count = Count();
    for (int distance = 1; node->m_linkedBy > 0 && (index - distance >= 0 || index + distance < count);
         ++distance) {
        for (const int i : {index - distance, index + distance}) {
            if (i < 0 || i >= count)
                continue;
            CWezel* other = m_nodes[static_cast<std::size_t>(i)].get();
            if (other->m_left == node) {
                other->m_left = nullptr;
                --node->m_linkedBy;
            }
            if (other->m_right == node) {
                other->m_right = nullptr;
                --node->m_linkedBy;
            }
        }
    }
}

// A parse from outside may relink nodes of any expression.
CWezel* CTokenList::ParseSum()
{
    m_walkFloor = m_nextWalk;
    return Parse(Rule::Sum);
}

CWezel* CTokenList::ParseProduct()
{
    m_walkFloor = m_nextWalk;
    return Parse(Rule::Product);
}

CWezel* CTokenList::ParsePrimary()
{
    m_walkFloor = m_nextWalk;
    return Parse(Rule::Primary);
}

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
                Link(frame.pending, true, result);
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
            Link(frame.pending, true, frame.acc);
            Link(frame.pending, false, result);
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
    m_parsePosition = PreviousResultMark(k) + 1;
    Link(mark, true, Parse(Rule::Sum));
    static_cast<CWynik*>(mark)->m_walkSeparator = DecimalSeparator();
    mark->m_valueText = formatter(EvaluateAndRecord(*mark, m_nextWalk++));
}

int CTokenList::ReevaluateFrom(int c, const ResultFormatter& formatter)
{
    const int mark = NextResultMark(c < 0 ? 0 : c);
    if (mark < 0)
        return mark;
    if (TreeCurrent(mark)) {
        CWezel* node = At(mark);
        node->m_valueText = formatter(node->m_value);
    } else {
        EvaluateResult(mark, formatter);
    }
    return mark;
}

bool CTokenList::TreeCurrent(int mark) const
{
    const CWezel* node = At(mark);
    return node != nullptr && node->m_kind == kKindWynik && node->m_walk >= m_walkFloor
        && static_cast<const CWynik*>(node)->m_walkSeparator == DecimalSeparator();
}

void CTokenList::StructureChanged(int index)
{
    const int mark = NextResultMark(index);
    if (mark < 0)
        return;
    At(mark)->m_walk = 0;
    if (mark == index) {
        // A mark that came splits the expression the next mark had.
        const int next = NextResultMark(index + 1);
        if (next >= 0)
            At(next)->m_walk = 0;
    }
}

void CTokenList::ValueChanged(int index)
{
    CWezel* node = At(index);
    const int mark = NextResultMark(index);
    // Outside a current tree there is nothing recorded to update: the next
    // walk computes everything.
    if (node == nullptr || mark < 0 || !TreeCurrent(mark) || node->m_walk != At(mark)->m_walk)
        return;
    for (CWezel* up = node; up != nullptr; up = up->m_parent)
        up->m_value = RecomputeFromOperands(*up);
}

double CTokenList::ValueOf(int index) const
{
    const CWezel* node = At(index);
    if (node == nullptr)
        return 0.0;
    const int mark = NextResultMark(index);
    if (mark >= 0 && TreeCurrent(mark) && node->m_walk == At(mark)->m_walk)
        return node->m_value;
    return node->Evaluate();
}
