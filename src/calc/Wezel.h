// The calculator's tokens. Every key the user presses becomes one node of
// this family; a parse links the nodes of one expression into a binary
// tree, and each node then computes the value of its subtree.
#pragma once

#include <cstdint>
#include <string>

// What a node is; also the order of the classes below.
enum NodeKind : int {
    kKindWezel = 0,
    kKindStala = 1,    // number
    kKindSuma = 2,     // "+"
    kKindRoznica = 3,  // "-"
    kKindIloczyn = 4,  // "*"
    kKindIloraz = 5,   // "/"
    kKindLewyNaw = 6,  // opening bracket, plain or with a function
    kKindPrawyNaw = 7, // closing bracket
    kKindWynik = 8,    // result mark "="
};

inline bool IsOperatorKind(int kind) { return kind >= kKindSuma && kind <= kKindIloraz; }

// Number of bracket functions; function 0 is the plain bracket.
inline constexpr int kFunctionCount = 25;
// String id of function 0's label; function n's label is this + n.
inline constexpr int kIdsFunctionLabel0 = 10499;

// The value of pi the calculator stores and shows, and the angle factors
// derived from it.
inline constexpr double kStoredPi = 3.14159265359;
inline constexpr double kDegreeFactor = 0.017453292519944444;
inline constexpr double kRadianFactor = 1.0;
inline constexpr double kGradFactor = 0.01570796326795;

class CWezel {
public:
    virtual ~CWezel() = default;
    CWezel(const CWezel&) = delete;
    CWezel& operator=(const CWezel&) = delete;

    virtual double Evaluate() const = 0;
    virtual void SetLeft(CWezel* node) = 0;
    virtual void SetRight(CWezel* node) = 0;

    // Evaluation in steps, for a walk that needs no recursion: how many of
    // the links (left, then left and right) the node's value needs, and the
    // value from theirs (`operands` holds that many values, left first).
    virtual int OperandCount() const = 0;
    virtual double ValueFrom(const double* operands) const = 0;

    int m_kind;
    CWezel* m_left = nullptr;  // never owning
    CWezel* m_right = nullptr; // never owning
    std::string m_valueText;
    std::string m_label;
    std::string m_trailingText;
    // How many links of other nodes point here. The token list's parser
    // makes every link and keeps the count, so that a node about to go
    // knows whether any link to it is left to cut.
    int m_linkedBy = 0;
    // What the last walk over its expression's tree left here: the value
    // of the node's subtree, the node whose operand it is, and which walk
    // that was (0: none). An edited number then recomputes its ancestors
    // only, not the whole expression.
    double m_value = 0.0;
    CWezel* m_parent = nullptr;
    std::uint64_t m_walk = 0;

protected:
    CWezel(int kind, std::string label) : m_kind(kind), m_label(std::move(label)) {}
};

// A number as the user types it: the text is the truth, the value is read
// from it whenever it is needed.
class CStala : public CWezel {
public:
    CStala();

    double Evaluate() const override;
    void SetLeft(CWezel*) override { m_left = nullptr; }
    void SetRight(CWezel*) override { m_right = nullptr; }
    int OperandCount() const override { return 0; }
    double ValueFrom(const double*) const override { return Evaluate(); }

    // Editing. Operations that return bool return false when they refuse
    // the key; a refusal changes nothing. A number whose text is inf or nan
    // (a carried or pasted result) takes no digit, separator or exponent;
    // Backspace clears it, +/- changes its sign.
    void Clear();
    bool EnterDigit(char digit);
    void EnterPi();
    bool StartFraction();
    bool StartExponent();
    void ToggleSign();
    void DeleteLast();
    // Recomputes the entry state from a text put in from elsewhere; the
    // text stays as it is.
    void DeriveEntryState();
    // Whether the text is one of the words inf or nan (signed or not).
    bool IsNonFinite() const;

    int m_phase = 0;          // 0 integer part, 1 fraction, 2 exponent
    int m_exponentFlag = 0;   // 1 when the text has an exponent part
    int m_exponentDigits = 1; // exponent digits typed; see EnterDigit
    char m_separator;         // decimal separator when created or cleared
};

// The four operators share everything but their arithmetic.
class CDzialanie : public CWezel {
public:
    double Evaluate() const override;
    void SetLeft(CWezel* node) override { m_left = node; }
    void SetRight(CWezel* node) override { m_right = node; }
    // A missing operand makes the whole operation 0.
    int OperandCount() const override { return m_left != nullptr && m_right != nullptr ? 2 : 0; }
    double ValueFrom(const double* operands) const override
    {
        return OperandCount() == 2 ? Combine(operands[0], operands[1]) : 0.0;
    }

protected:
    using CWezel::CWezel;
    virtual double Combine(double a, double b) const = 0;
};

class CSuma : public CDzialanie {
public:
    CSuma() : CDzialanie(kKindSuma, "+") {}
protected:
    double Combine(double a, double b) const override { return a + b; }
};

class CRoznica : public CDzialanie {
public:
    CRoznica() : CDzialanie(kKindRoznica, "-") {}
protected:
    double Combine(double a, double b) const override { return a - b; }
};

class CIloczyn : public CDzialanie {
public:
    CIloczyn() : CDzialanie(kKindIloczyn, "*") {}
protected:
    double Combine(double a, double b) const override { return a * b; }
};

class CIloraz : public CDzialanie {
public:
    CIloraz() : CDzialanie(kKindIloraz, "/") {}
protected:
    double Combine(double a, double b) const override { return a / b; }
};

class CLewyNaw : public CWezel {
public:
    CLewyNaw();

    double Evaluate() const override;
    void SetLeft(CWezel* node) override { m_left = node; }
    void SetRight(CWezel*) override { m_right = nullptr; }
    // An empty bracket applies its function to 0.
    int OperandCount() const override { return m_left != nullptr ? 1 : 0; }
    double ValueFrom(const double* operands) const override { return Apply(m_left != nullptr ? operands[0] : 0.0); }

    // Function number 0..24 (others count as the plain bracket), with its
    // parameter(s); the label follows the function.
    void SetFunction(int function, double factor, double offset);

    // The function applied to a value, without the content.
    double Apply(double x) const;

    int m_function = 0;
    double m_factor = 0.0;
    double m_offset = 0.0;
};

class CPrawyNaw : public CWezel {
public:
    CPrawyNaw() : CWezel(kKindPrawyNaw, "      )") {}
    double Evaluate() const override { return 0.0; }
    void SetLeft(CWezel*) override { m_left = nullptr; }
    void SetRight(CWezel*) override { m_right = nullptr; }
    int OperandCount() const override { return 0; }
    double ValueFrom(const double*) const override { return 0.0; }
};

class CWynik : public CWezel {
public:
    CWynik() : CWezel(kKindWynik, "=") {}
    double Evaluate() const override;
    void SetLeft(CWezel* node) override { m_left = node; }
    void SetRight(CWezel*) override { m_right = nullptr; }
    int OperandCount() const override { return m_left != nullptr ? 1 : 0; }
    double ValueFrom(const double* operands) const override { return m_left != nullptr ? operands[0] : 0.0; }

    // The decimal separator the numbers of the last walk were read with.
    char m_walkSeparator = 0;
};

// The value of the tree below a node, walked on a stack of its own: no
// depth of brackets or length of a chain of operators exhausts the
// program's stack. The operands of a node are evaluated left first.
double EvaluateSubtree(const CWezel& root);

// The same walk, which also leaves in every node of the tree its value,
// its parent and the walk's number.
double EvaluateAndRecord(CWezel& root, std::uint64_t walk);

// A node's value from its operands' recorded values, as the walk computes
// it; for a number, from its text.
double RecomputeFromOperands(const CWezel& node);

// sin and cos as the calculator shows them: rounded to 11 decimals, so
// that sin(30 deg) is 0.5 exactly.
double RoundTo11Decimals(double value);
