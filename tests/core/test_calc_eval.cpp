// Parsing and evaluating token lists, and the bracket functions.
#include <cmath>
#include <limits>
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
    list.At(6)->m_valueText = Sep("5.");
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
    EXPECT_EQ(CPrawyNaw().m_label, "      )");
    EXPECT_EQ(CWynik().m_label, "=");
    EXPECT_EQ(CIloraz().m_label, "/");
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

INSTANTIATE_TEST_SUITE_P(BothSeparators, Evaluation, ::testing::Values('.', ','), calctest::SeparatorName);

} // namespace
