// Parsing and evaluating token lists, and the bracket functions.
#include <cmath>
#include <limits>
#include <random>
#include <sstream>

#include "calc/TokenList.h"
#include "calc_test_support.h"

using calctest::Sep;

namespace {

const double kInf = std::numeric_limits<double>::infinity();

// Builds a token list from words: numbers (with '.'), + - * /, a function
// label such as "sin(" or "(", ")" and "=". Brackets get `factor`.
void Build(CTokenList& list, const std::string& words, double factor = kDegreeFactor, double offset = 0.0)
{
    std::istringstream in(words);
    std::string w;
    while (in >> w) {
        if (w == "+") list.Append(std::make_unique<CSuma>());
        else if (w == "-") list.Append(std::make_unique<CRoznica>());
        else if (w == "*") list.Append(std::make_unique<CIloczyn>());
        else if (w == "/") list.Append(std::make_unique<CIloraz>());
        else if (w == ")") list.Append(std::make_unique<CPrawyNaw>());
        else if (w == "=") list.Append(std::make_unique<CWynik>());
        else if (w.back() == '(') {
            auto bracket = std::make_unique<CLewyNaw>();
            for (int n = 0; n < kFunctionCount; ++n)
                if (LoadText(kIdsFunctionLabel0 + n) == w)
                    bracket->SetFunction(n, factor, offset);
            EXPECT_EQ(bracket->m_label, w);
            list.Append(std::move(bracket));
        } else {
            auto number = std::make_unique<CStala>();
            number->m_valueText = Sep(w);
            list.Append(std::move(number));
        }
    }
}

std::string Plain(double v) { return FormatG(v); }

// Value of the last result mark of an expression.
double Result(const std::string& words, double factor = kDegreeFactor, double offset = 0.0)
{
    CTokenList list;
    Build(list, words, factor, offset);
    list.EvaluateResult(list.Count() - 1, Plain);
    return list.At(list.Count() - 1)->Evaluate();
}

class Evaluation : public calctest::SeparatorTest {};

TEST_P(Evaluation, PrecedenceAndLeftAssociation)
{
    EXPECT_EQ(Result("1 + 2 * 3 ="), 7.0);
    EXPECT_EQ(Result("8 - 3 - 2 ="), 3.0);
    EXPECT_EQ(Result("8 / 4 / 2 ="), 1.0);
    EXPECT_EQ(Result("( 1 + 2 ) * 3 ="), 9.0);
    EXPECT_EQ(Result("2 - 3 * 4 + 10 / 5 ="), -8.0);
    EXPECT_EQ(Result("2.5 * 4 ="), 10.0);
}

TEST_P(Evaluation, BracketsAsOperands)
{
    EXPECT_EQ(Result("2 * ( 3 ) + 4 ="), 10.0);
    EXPECT_EQ(Result("10 / ( 2 ) / 5 ="), 1.0);
    EXPECT_EQ(Result("( 1 + 2 ) * ( 3 + 4 ) + 1 ="), 22.0);
    EXPECT_EQ(Result("( ( 2 + 3 ) * ( 1 + ( 1 ) ) ) ="), 10.0);
    // An unclosed bracket ends at the result mark.
    EXPECT_EQ(Result("2 * ( 3 + 4 ="), 14.0);
}

TEST_P(Evaluation, ResultMarkCoversOnlyItsOwnExpression)
{
    CTokenList list;
    Build(list, "2 + 3 = 10 * 4 =");
    list.EvaluateResult(7, Plain);
    EXPECT_EQ(list.At(7)->Evaluate(), 40.0);
    EXPECT_EQ(list.At(7)->m_valueText, "40");
    // The first mark was never computed; ReevaluateFrom(0) computes it and
    // stops there.
    EXPECT_TRUE(list.At(3)->m_valueText.empty());
    // An edit is announced; the mark's text changes only when it is
    // recomputed.
    list.At(6)->m_valueText = Sep("5.");
    list.ValueChanged(6);
    list.ReevaluateFrom(0, Plain);
    EXPECT_EQ(list.At(3)->m_valueText, "5");
    EXPECT_EQ(list.At(7)->m_valueText, "40");
    list.ReevaluateFrom(4, Plain);
    EXPECT_EQ(list.At(7)->m_valueText, "50");
    // Without a mark at or after the index nothing happens.
    list.ReevaluateFrom(8, Plain);
    list.EvaluateResult(1, Plain);
    EXPECT_EQ(list.At(1)->m_valueText, "");
}

TEST_P(Evaluation, MalformedListsDoNotFail)
{
    EXPECT_EQ(Result("="), 0.0);
    EXPECT_EQ(Result("+ 2 ="), 0.0);
    EXPECT_EQ(Result("* 2 ="), 0.0);
    EXPECT_EQ(Result(") 2 ="), 0.0);
    EXPECT_EQ(Result("2 + ="), 0.0);     // missing operand: the operator is 0
    EXPECT_EQ(Result("2 3 ="), 2.0);     // the parse stops at the second number
    EXPECT_EQ(Result("( ) ="), 0.0);
    EXPECT_EQ(Result("2 ) + 1 ="), 2.0); // a stray ")" ends the expression
    CTokenList empty;
    EXPECT_EQ(empty.ParseSum(), nullptr);
    EXPECT_EQ(empty.ParsePrimary(), nullptr);
    EXPECT_EQ(empty.m_parsePosition, 0);
    empty.ReevaluateFrom(0, Plain);
    empty.EvaluateResult(-1, Plain);
}

TEST_P(Evaluation, UnlinkedNodesEvaluateTheirMissingOperandsAsZero)
{
    CLewyNaw cosine;
    cosine.SetFunction(12, kDegreeFactor, 0.0);
    EXPECT_EQ(cosine.Evaluate(), 1.0);
    CSuma plus;
    EXPECT_EQ(plus.Evaluate(), 0.0);
    CPrawyNaw close;
    EXPECT_EQ(close.Evaluate(), 0.0);
    CWynik mark;
    EXPECT_EQ(mark.Evaluate(), 0.0);
}

TEST_P(Evaluation, RemovingANodeCutsTheLinksToIt)
{
    CTokenList list;
    Build(list, "( 2 + 3 ) =");
    list.EvaluateResult(5, Plain);
    ASSERT_EQ(list.At(0)->m_left, list.At(2));
    list.Replace(2, std::make_unique<CIloczyn>());
    EXPECT_EQ(list.At(0)->m_left, nullptr);
    EXPECT_EQ(list.At(0)->Evaluate(), 0.0);
    list.Remove(1);
    EXPECT_EQ(list.At(1)->m_left, nullptr);
    EXPECT_EQ(list.Count(), 5);
}

TEST_P(Evaluation, SineAndCosineRoundToElevenDecimals)
{
    EXPECT_EQ(Result("sin( 30 ) ="), 0.5);
    const double s180 = Result("sin( 180 ) =");
    EXPECT_EQ(s180, 0.0);
    EXPECT_TRUE(std::signbit(s180));
    const double c90 = Result("cos( 90 ) =");
    EXPECT_EQ(c90, 0.0);
    EXPECT_TRUE(std::signbit(c90));
    EXPECT_EQ(Result("cos( 60 ) ="), 0.5);
    EXPECT_EQ(Result("sin( 1 ) =", kRadianFactor), 0.84147098481);
    EXPECT_EQ(Result("sin( 100 ) =", kGradFactor), 1.0);
}

TEST_P(Evaluation, TangentPolesAreBothPlusInfinity)
{
    EXPECT_EQ(Result("tan( 90 ) ="), kInf);
    EXPECT_EQ(Result("tan( -90 ) ="), kInf);
    EXPECT_NEAR(Result("tan( 45 ) ="), 1.0, 1e-12);
    EXPECT_NEAR(Result("tan( -45 ) ="), -1.0, 1e-12);
}

TEST_P(Evaluation, DomainErrorsFlowThrough)
{
    EXPECT_TRUE(std::isnan(Result("sqrt( -4 ) =")));
    EXPECT_TRUE(std::isnan(Result("qurt( -8 ) =")));
    EXPECT_EQ(Result("log( 0 ) ="), -kInf);
    EXPECT_EQ(Result("1/( 0 ) ="), kInf);
    EXPECT_TRUE(std::isnan(Result("0 / 0 =")));
    EXPECT_EQ(Result("1 / 0 ="), kInf);
    EXPECT_TRUE(std::isnan(Result("arcosh( 0.5 ) =", 1.0)));
    EXPECT_EQ(Result("artanh( 1 ) =", 1.0), kInf);
    EXPECT_TRUE(std::isnan(Result("arcsin( 2 ) =", 1.0)));
    EXPECT_TRUE(std::isnan(Result("ln( -1 ) =")));
}

TEST_P(Evaluation, PowersRootsAndLogarithms)
{
    EXPECT_EQ(Result("x^y( 2 ) =", 10.0), 1024.0);
    EXPECT_NEAR(Result("x^1/y( 27 ) =", 3.0), 3.0, 1e-12);
    EXPECT_NEAR(Result("qurt( 8 ) ="), 2.0, 1e-12);
    EXPECT_EQ(Result("x^2( -3 ) ="), 9.0);
    EXPECT_EQ(Result("sqrt( 16 ) ="), 4.0);
    EXPECT_EQ(Result("10^( 3 ) ="), 1000.0);
    EXPECT_NEAR(Result("e^( 1 ) ="), std::exp(1.0), 1e-15);
    EXPECT_NEAR(Result("log( 1000 ) ="), 3.0, 1e-15);
    EXPECT_NEAR(Result("ln( 1 ) ="), 0.0, 1e-15);
    EXPECT_EQ(Result("1/( 4 ) ="), 0.25);
    EXPECT_EQ(Result("( 7 ) ="), 7.0);
}

TEST_P(Evaluation, InverseAndHyperbolicFunctionsUseTheAngleFactor)
{
    EXPECT_NEAR(Result("arcsin( 0.5 ) ="), 30.0, 1e-9);
    EXPECT_NEAR(Result("arccos( 0 ) ="), 90.0, 1e-9);
    EXPECT_NEAR(Result("arctan( 1 ) =", kGradFactor), 50.0, 1e-9);
    // Degree mode applies to the hyperbolic functions too.
    EXPECT_DOUBLE_EQ(Result("sinh( 1 ) ="), std::sinh(kDegreeFactor));
    EXPECT_DOUBLE_EQ(Result("cosh( 2 ) =", 1.0), std::cosh(2.0));
    EXPECT_DOUBLE_EQ(Result("tanh( 0.5 ) =", 1.0), std::tanh(0.5));
    EXPECT_NEAR(Result("arsinh( 2 ) =", 1.0), std::asinh(2.0), 1e-14);
    EXPECT_NEAR(Result("arcosh( 2 ) =", 1.0), std::acosh(2.0), 1e-14);
    EXPECT_NEAR(Result("artanh( 0.5 ) =", 1.0), std::atanh(0.5), 1e-14);
    EXPECT_NEAR(Result("arsinh( 2 ) ="), std::asinh(2.0) / kDegreeFactor, 1e-9);
}

TEST_P(Evaluation, UnitConversionBrackets)
{
    // Celsius to Fahrenheit as a (multiplier, offset) pair.
    EXPECT_DOUBLE_EQ(Result("A--->B( 100 ) =", 1.8, 32.0), 212.0);
    EXPECT_DOUBLE_EQ(Result("B--->A( 212 ) =", 1.8, 32.0), 100.0);
    EXPECT_DOUBLE_EQ(Result("A--->B( 2 ) * 3 =", 1000.0, 0.0), 6000.0);
}

TEST_P(Evaluation, FunctionLabelsComeFromTheStringTable)
{
    CLewyNaw bracket;
    EXPECT_EQ(bracket.m_label, "(");
    EXPECT_EQ(bracket.m_function, 0);
    bracket.SetFunction(22, 2.0, 3.0);
    EXPECT_EQ(bracket.m_label, "artanh(");
    EXPECT_EQ(bracket.m_factor, 2.0);
    EXPECT_EQ(bracket.m_offset, 3.0);
    bracket.SetFunction(23, 1.0, 0.0);
    EXPECT_EQ(bracket.m_label, "A--->B(");
    const CPrawyNaw close;
    const CWynik mark;
    const CIloraz divide;
    EXPECT_EQ(close.m_label, "      )");
    EXPECT_EQ(mark.m_label, "=");
    EXPECT_EQ(divide.m_label, "/");
}

TEST_P(Evaluation, NumbersReadTheLongestNumberPrefix)
{
    CStala n;
    n.m_valueText = Sep("5.e+000");
    EXPECT_EQ(n.Evaluate(), 5.0);
    n.m_valueText = Sep("-.");
    EXPECT_EQ(n.Evaluate(), 0.0);
    n.m_valueText = "inf";
    EXPECT_EQ(n.Evaluate(), kInf);
}

// ---- Depth: nesting and chains far beyond any stack ----

// A list of `depth` opening brackets (each a function from `labels`, by
// turns), one number, and as many closing brackets, then "=".
void BuildNested(CTokenList& list, int depth, const std::vector<int>& functions, const std::string& number)
{
    for (int i = 0; i < depth; ++i) {
        auto bracket = std::make_unique<CLewyNaw>();
        bracket->SetFunction(functions[static_cast<std::size_t>(i) % functions.size()], 1.0, 0.0);
        list.Append(std::move(bracket));
    }
    auto value = std::make_unique<CStala>();
    value->m_valueText = Sep(number);
    list.Append(std::move(value));
    for (int i = 0; i < depth; ++i)
        list.Append(std::make_unique<CPrawyNaw>());
    list.Append(std::make_unique<CWynik>());
}

TEST_P(Evaluation, NestingDeeperThanAnyStackIsParsedAndEvaluated)
{
    const int depth = 50000;
    CTokenList list;
    // 1/( ( 1/( ( ... 4 ) ) ) ): an even number of reciprocals gives the
    // number back.
    BuildNested(list, depth, {1, 0, 1, 0}, "4");
    calctest::OnSmallStack([&] { list.EvaluateResult(list.Count() - 1, Plain); });
    EXPECT_EQ(list.At(list.Count() - 1)->m_valueText, "4");
    // Each bracket holds the next one; the innermost holds the number, and
    // every closing bracket was taken by its own opening bracket.
    EXPECT_EQ(list.At(0)->m_left, list.At(1));
    EXPECT_EQ(list.At(depth - 1)->m_left, list.At(depth));
    EXPECT_EQ(list.m_parsePosition, 2 * depth + 1);
    // A bracket deep inside answers for its own subtree (Info): the
    // innermost is plain, the one around it a reciprocal.
    EXPECT_EQ(list.At(depth - 1)->Evaluate(), 4.0);
    EXPECT_EQ(list.At(depth - 2)->Evaluate(), 0.25);

    // One reciprocal more leaves one over: 1 / 4.
    CTokenList odd;
    BuildNested(odd, depth + 1, {1, 0}, "4");
    calctest::OnSmallStack([&] {
        odd.EvaluateResult(odd.Count() - 1, Plain);
        EXPECT_EQ(odd.At(0)->Evaluate(), 0.25);
    });
    EXPECT_EQ(odd.At(odd.Count() - 1)->Evaluate(), 0.25);
}

TEST_P(Evaluation, LongChainsOfOperatorsAreEvaluatedInOrder)
{
    // A left-leaning tree as deep as the chain is long.
    CTokenList sum;
    const int terms = 50000;
    for (int i = 0; i < terms; ++i) {
        if (i > 0)
            sum.Append(i % 2 == 0 ? std::unique_ptr<CWezel>(std::make_unique<CSuma>())
                                  : std::unique_ptr<CWezel>(std::make_unique<CRoznica>()));
        auto number = std::make_unique<CStala>();
        number->m_valueText = Sep(i % 2 == 0 ? "3." : "1.");
        sum.Append(std::move(number));
    }
    sum.Append(std::make_unique<CWynik>());
    calctest::OnSmallStack([&] { sum.EvaluateResult(sum.Count() - 1, Plain); });
    // 3 - 1 + 3 - 1 ... : 2 per pair.
    EXPECT_EQ(sum.At(sum.Count() - 1)->m_valueText, std::to_string(terms));

    // Division does not commute: the order of the operands shows.
    CTokenList quotient;
    Build(quotient, "1024");
    for (int i = 0; i < 50000; ++i)
        Build(quotient, i % 2 == 0 ? "/ 2" : "* 2");
    Build(quotient, "=");
    calctest::OnSmallStack([&] { quotient.EvaluateResult(quotient.Count() - 1, Plain); });
    EXPECT_EQ(quotient.At(quotient.Count() - 1)->m_valueText, "1024");
}

// The recursive descent the parser must behave as, written out plainly;
// fine for the shallow lists it is given here.
struct ReferenceParser {
    CTokenList& list;
    int pos;

    bool At(int kind) const { return list.KindAt(pos) == kind; }
    bool StopsOperators() const
    {
        const int k = list.KindAt(pos);
        return list.At(pos) == nullptr || k == kKindWezel || k == kKindWynik || k == kKindStala;
    }
    CWezel* Sum()
    {
        CWezel* acc = Product();
        while (!StopsOperators() && (At(kKindSuma) || At(kKindRoznica))) {
            CWezel* op = list.At(pos++);
            CWezel* right = Product();
            op->SetLeft(acc);
            op->SetRight(right);
            acc = op;
        }
        return acc;
    }
    CWezel* Product()
    {
        CWezel* acc = Primary();
        while (!StopsOperators() && (At(kKindIloczyn) || At(kKindIloraz))) {
            CWezel* op = list.At(pos++);
            CWezel* right = Primary();
            op->SetLeft(acc);
            op->SetRight(right);
            acc = op;
        }
        return acc;
    }
    CWezel* Primary()
    {
        CWezel* token = list.At(pos);
        if (token == nullptr)
            return nullptr;
        if (token->m_kind == kKindStala) {
            ++pos;
            return token;
        }
        if (token->m_kind != kKindLewyNaw)
            return nullptr;
        ++pos;
        token->SetLeft(Sum());
        if (At(kKindPrawyNaw))
            ++pos;
        return token;
    }
};

// Where a node is in its list, -1 for none.
int IndexIn(const CTokenList& list, const CWezel* node)
{
    for (int i = 0; i < list.Count(); ++i)
        if (list.At(i) == node)
            return i;
    return -1;
}

TEST_P(Evaluation, ParserLinksAsARecursiveDescentWouldOnRandomLists)
{
    // Well-formed or not: any words, any start, any of the three rules.
    const std::vector<std::string> words = {"2", "5", "+", "-", "*", "/", "(", "sin(", ")", "="};
    std::mt19937 rng(GetParam() == ',' ? 11u : 12u);
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        const int length = static_cast<int>(rng() % 16);
        for (int i = 0; i < length; ++i)
            text += words[rng() % words.size()] + " ";
        CTokenList ours;
        CTokenList reference;
        Build(ours, text);
        Build(reference, text);
        const int start = length == 0 ? 0 : static_cast<int>(rng() % static_cast<unsigned>(length + 1));
        const int rule = static_cast<int>(rng() % 3);
        ours.m_parsePosition = start;
        ReferenceParser parser{reference, start};
        CWezel* root = rule == 0 ? ours.ParseSum() : rule == 1 ? ours.ParseProduct() : ours.ParsePrimary();
        CWezel* expected = rule == 0 ? parser.Sum() : rule == 1 ? parser.Product() : parser.Primary();
        SCOPED_TRACE(text + "from " + std::to_string(start) + ", rule " + std::to_string(rule));
        ASSERT_EQ(IndexIn(ours, root), IndexIn(reference, expected));
        ASSERT_EQ(ours.m_parsePosition, parser.pos);
        for (int i = 0; i < ours.Count(); ++i) {
            ASSERT_EQ(IndexIn(ours, ours.At(i)->m_left), IndexIn(reference, reference.At(i)->m_left)) << i;
            ASSERT_EQ(IndexIn(ours, ours.At(i)->m_right), IndexIn(reference, reference.At(i)->m_right)) << i;
        }
        if (root != nullptr) {
            const double a = root->Evaluate();
            const double b = expected->Evaluate();
            ASSERT_TRUE(a == b || (std::isnan(a) && std::isnan(b))) << a << " " << b;
        }
    }
}

TEST_P(Evaluation, EditsKeepLinksCountedAndMarksFound)
{
    // Random appends, replacements, removals and parses: no link ever
    // points outside the list, every node knows how many links reach it,
    // and the marks are found as a walk over the list would find them.
    const std::vector<std::string> words = {"2", "5", "+", "-", "*", "/", "(", "sin(", ")", "="};
    std::mt19937 rng(GetParam() == ',' ? 21u : 22u);
    for (int round = 0; round < 300; ++round) {
        CTokenList list;
        for (int step = 0; step < 60; ++step) {
            const int choice = static_cast<int>(rng() % 10);
            const int at = list.Count() == 0 ? 0 : static_cast<int>(rng() % static_cast<unsigned>(list.Count()));
            if (choice < 4) {
                Build(list, words[rng() % words.size()]);
            } else if (choice < 5) {
                // Any kind may take the place of any other, a mark included.
                switch (rng() % 3) {
                case 0: list.Replace(at, std::make_unique<CWynik>()); break;
                case 1: list.Replace(at, std::make_unique<CLewyNaw>()); break;
                default: list.Replace(at, std::make_unique<CSuma>()); break;
                }
            } else if (choice < 7) {
                list.Remove(at);
            } else {
                list.m_parsePosition = at;
                if (rng() % 2 == 0)
                    (void)list.ParseSum();
                else
                    list.EvaluateResult(list.NextResultMark(at), Plain);
            }
            std::vector<int> counts(static_cast<std::size_t>(list.Count()), 0);
            for (int i = 0; i < list.Count(); ++i)
                for (const CWezel* target : {list.At(i)->m_left, list.At(i)->m_right}) {
                    if (target == nullptr)
                        continue;
                    const int t = IndexIn(list, target);
                    ASSERT_GE(t, 0) << "a link outside the list at step " << step;
                    ++counts[static_cast<std::size_t>(t)];
                }
            for (int i = 0; i < list.Count(); ++i)
                ASSERT_EQ(list.At(i)->m_linkedBy, counts[static_cast<std::size_t>(i)]) << i;
            for (int i = -1; i <= list.Count() + 1; ++i) {
                int next = -1;
                for (int j = std::max(i, 0); j < list.Count() && next < 0; ++j)
                    next = list.KindAt(j) == kKindWynik ? j : -1;
                int previous = -1;
                for (int j = std::min(i, list.Count()) - 1; j >= 0 && previous < 0; --j)
                    previous = list.KindAt(j) == kKindWynik ? j : -1;
                ASSERT_EQ(list.NextResultMark(i), next) << i;
                ASSERT_EQ(list.PreviousResultMark(i), previous) << i;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, Evaluation, ::testing::Values('.', ','), calctest::SeparatorName);

} // namespace
