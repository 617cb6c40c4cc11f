// The ordered list of tokens, which owns its nodes, and the parser that
// links the nodes of one expression into a tree.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calc/Wezel.h"

// Turns a result into its text; also fixes the caller's current format.
using ResultFormatter = std::function<std::string(double)>;

class CTokenList {
public:
    int Count() const { return static_cast<int>(m_nodes.size()); }
    bool Empty() const { return m_nodes.empty(); }
    // The node at an index, or null outside the list.
    CWezel* At(int index) const;
    // Kind of the node at an index; kKindWezel outside the list.
    int KindAt(int index) const;

    // Nodes come in unlinked; links are made by the parser alone.
    CWezel* Append(std::unique_ptr<CWezel> node);
    CWezel* Replace(int index, std::unique_ptr<CWezel> node);
    void Remove(int index);
    void Clear();

    // The first result mark at or after an index, and the last one before
    // an index; -1 when there is none. Found without a walk over the list.
    int NextResultMark(int from) const;
    int PreviousResultMark(int before) const;

    // The grammar's three rules (sum, product, primary) from the parse
    // position, which each advances past what it used. Each returns the
    // root of what it parsed, or null. They descend as a recursive parser
    // would, but on a stack of their own: no nesting depth exhausts the
    // program's stack.
    CWezel* ParseSum();
    CWezel* ParseProduct();
    CWezel* ParsePrimary();

    // Parses and computes the result mark at index k (nothing when k is no
    // result mark) and stores the formatted value as its text.
    void EvaluateResult(int k, const ResultFormatter& formatter);
    // Recomputes the first result mark at or after index c; returns its
    // index, -1 when there is none. When nothing but values changed in its
    // expression since it was last computed (each through ValueChanged),
    // the value it already holds is only formatted anew.
    int ReevaluateFrom(int c, const ResultFormatter& formatter);
    // The value of the node at an index may have changed (a number's text,
    // a bracket's function parameters): the recorded values of the nodes
    // it is an operand of, up to its result mark, are computed anew. The
    // time is that of the path to the mark, whatever the tape's length.
    void ValueChanged(int index);
    // A node's value: the recorded one where it is current, else computed.
    double ValueOf(int index) const;

    int m_parsePosition = 0;

private:
    enum class Rule : unsigned char { Sum, Product, Primary };
    // One rule being parsed: where it is (0 before its first operand, 1
    // after an operand, 2 after the right operand of `pending`), what it
    // has built so far and the operator or bracket waiting for an operand.
    struct ParseFrame {
        Rule rule;
        unsigned char stage;
        CWezel* acc;
        CWezel* pending;
    };
    CWezel* Parse(Rule rule);
    // Sets a link of a node through its own SetLeft or SetRight, keeping
    // the counts of links to the nodes it left and now reaches.
    void Link(CWezel* node, bool left, CWezel* target);

    // Links of other nodes to a node about to go would dangle; they are
    // cut so that any node can still be evaluated afterwards. The node at
    // `index` is the one going.
    void Unlink(int index);
    // Whether the tree of the result mark at an index holds its values:
    // nothing in its expression came, went or was relinked since its walk.
    bool TreeCurrent(int mark) const;
    // Tokens came, went or were replaced at an index: the tree of its
    // expression's mark is out of date, and when the token there is a mark
    // now, so is the next one's.
    void StructureChanged(int index);

    std::vector<std::unique_ptr<CWezel>> m_nodes;
    std::vector<int> m_resultMarks; // positions of the result marks, ascending
    std::vector<ParseFrame> m_parseStack; // kept to spare an allocation per parse
    // Walks are numbered from 1; trees walked before m_walkFloor are out of
    // date (links were made by a parse that no walk followed).
    std::uint64_t m_nextWalk = 1;
    std::uint64_t m_walkFloor = 1;
};
