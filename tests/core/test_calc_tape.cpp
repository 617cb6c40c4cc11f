// The paper tape driven key by key: what each key does to the tokens, the
// results, the display lines and what the page is told to do.
#include <cmath>
#include <random>

#include "calc_reference.h"
#include "calc_test_support.h"

using calctest::Press;
using calctest::Sep;

namespace {

class Tape : public calctest::SeparatorTest {
protected:
    // Value texts of all tokens, labels for the others: a compact picture.
    static std::string Picture(const CTasma& tape)
    {
        std::string out;
        for (int i = 0; i < tape.TokenCount(); ++i) {
            const CWezel* t = tape.Token(i);
            if (!out.empty())
                out += ' ';
            if (t->m_kind == kKindStala)
                out += t->m_valueText;
            else if (t->m_kind == kKindWynik)
                out += "=" + t->m_valueText;
            else if (t->m_kind == kKindPrawyNaw)
                out += ")";
            else
                out += t->m_label;
        }
        return out;
    }
    static std::string LastText(const CTasma& tape) { return tape.Token(tape.TokenCount() - 1)->m_valueText; }

    CTasma tape;
};

TEST_P(Tape, StartsWithOneFreshNumber)
{
    EXPECT_EQ(tape.TokenCount(), 1);
    EXPECT_EQ(tape.Cursor(), 0);
    EXPECT_EQ(tape.OpenBrackets(), 0);
    EXPECT_EQ(tape.ResultFormat(), "");
    const auto lines = tape.DisplayLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], std::string("\t") + std::string(20, ' ') + Sep("0."));
}

TEST_P(Tape, SimpleSumAndCarriedResult)
{
    Press(tape, "2 + 3 =");
    EXPECT_EQ(Picture(tape), Sep("2. + 3. =5.00000"));
    EXPECT_EQ(tape.Cursor(), 3);
    EXPECT_EQ(tape.ResultFormat(), "%#.5f");
    Press(tape, "* 4 =");
    EXPECT_EQ(Picture(tape), Sep("2. + 3. =5.00000 5.00000 * 4. =20.00000"));
    EXPECT_EQ(tape.Cursor(), 7);
}

TEST_P(Tape, CarriedResultIsThePrintedValue)
{
    Press(tape, "1 / 3 = * 3 =");
    EXPECT_EQ(LastText(tape), Sep("0.99999"));
}

TEST_P(Tape, ResultClosesOpenBracketsWithTheirFlashes)
{
    Press(tape, "( 2 + 3");
    const KeyEffect effect = Press(tape, "=");
    EXPECT_EQ(effect.flashes, (std::vector<int>{kIdCloseBracket, kIdResult}));
    EXPECT_EQ(Picture(tape), Sep("( 2. + 3. ) =5.00000"));
    EXPECT_EQ(tape.OpenBrackets(), 0);

    CTasma deep;
    Press(deep, "sin( ( 30");
    EXPECT_EQ(Press(deep, "=").flashes, (std::vector<int>{kIdCloseBracket, kIdCloseBracket, kIdResult}));
    EXPECT_EQ(LastText(deep), Sep("0.50000"));
}

TEST_P(Tape, ResultDropsATrailingOperatorAndReplacesItsOwnMark)
{
    Press(tape, "2 + =");
    EXPECT_EQ(Picture(tape), Sep("2. =2.00000"));
    Press(tape, "=");
    EXPECT_EQ(Picture(tape), Sep("2. =2.00000"));
    EXPECT_EQ(tape.Cursor(), 1);
}

TEST_P(Tape, ResultOnALoneOpenBracketAddsNoMark)
{
    Press(tape, "(");
    ASSERT_EQ(tape.TokenCount(), 1);
    const KeyEffect effect = Press(tape, "=");
    EXPECT_EQ(tape.TokenCount(), 1);
    EXPECT_TRUE(effect.refresh);
    EXPECT_TRUE(effect.flashes.empty());
    Press(tape, "( =");
    EXPECT_EQ(Picture(tape), "(");
    EXPECT_EQ(tape.OpenBrackets(), 1);
}

TEST_P(Tape, FunctionReplacesTheNumberJustTyped)
{
    Press(tape, "2 sin( 30 ) =");
    EXPECT_EQ(Picture(tape), Sep("sin( 30. ) =0.50000"));
}

TEST_P(Tape, EmptyBracketPairCancels)
{
    Press(tape, "2 + ( )");
    EXPECT_EQ(Picture(tape), Sep("2. +"));
    EXPECT_EQ(tape.OpenBrackets(), 0);
    Press(tape, "( 2 + )");
    EXPECT_EQ(Picture(tape), Sep("2. + ( 2. )"));
}

TEST_P(Tape, OperatorKeysAtTheEnd)
{
    Press(tape, "2 + -");
    EXPECT_EQ(Picture(tape), Sep("2. -"));
    Press(tape, "- -");
    EXPECT_EQ(Picture(tape), Sep("2. -"));
    Press(tape, "( +");
    EXPECT_EQ(Picture(tape), Sep("2. - ("));
    EXPECT_EQ(tape.Cursor(), 2);
}

TEST_P(Tape, ClosingBracketWithoutOpenBracketDoesNothing)
{
    Press(tape, "2");
    const auto before = tape.DisplayLines();
    EXPECT_EQ(Press(tape, ")"), KeyEffect{});
    EXPECT_EQ(tape.DisplayLines(), before);
}

TEST_P(Tape, DigitAfterClosingBracketDoesNothing)
{
    Press(tape, "sin( 30 )");
    const std::string before = Picture(tape);
    const KeyEffect effect = Press(tape, "7");
    EXPECT_EQ(Picture(tape), before);
    EXPECT_FALSE(effect.beep);
    EXPECT_EQ(effect.flashes, std::vector<int>{kIdDigit0 + 7});
}

TEST_P(Tape, DigitsAfterAResultStartANewExpression)
{
    Press(tape, "2 = 7");
    EXPECT_EQ(Picture(tape), Sep("2. =2.00000 7."));
    Press(tape, "+ 1 =");
    EXPECT_EQ(LastText(tape), Sep("8.00000"));
}

TEST_P(Tape, ResultFormatFollowsFixAndDecimals)
{
    tape.SetFix(false);
    Press(tape, "5 =");
    EXPECT_EQ(LastText(tape), Sep("5.00000e+00"));
    EXPECT_EQ(tape.ResultFormat(), "%#.5e");
    tape.SetFix(true);
    EXPECT_EQ(LastText(tape), Sep("5.00000"));
    EXPECT_EQ(tape.FormatResult(1e12), Sep("1.00000e+12"));
    EXPECT_EQ(tape.FormatResult(1e-12), Sep("1.00000e-12"));
    EXPECT_EQ(tape.FormatResult(999999999999.0), Sep("999999999999.00000"));
    EXPECT_EQ(tape.FormatResult(-1e-11), Sep("-0.00000"));
    EXPECT_EQ(tape.FormatResult(0.0), Sep("0.00000"));
    tape.SetDecimals(0);
    EXPECT_EQ(LastText(tape), Sep("5."));
    EXPECT_EQ(tape.ResultFormat(), "%#.0f");
    tape.SetDecimals(11);
    EXPECT_EQ(LastText(tape), Sep("5.00000000000"));
    tape.SetDecimals(40);
    EXPECT_EQ(tape.Decimals(), 11);
}

TEST_P(Tape, NonFiniteResultsShowTheLibraryText)
{
    Press(tape, "tan( 90 ) =");
    EXPECT_EQ(LastText(tape), "inf");
    Press(tape, "CE 0 / 0 =");
    EXPECT_NE(LastText(tape).find("nan"), std::string::npos);
    Press(tape, "CE log( 0 ) =");
    EXPECT_EQ(LastText(tape), "-inf");
}

TEST_P(Tape, CopyTakesNumbersAndResultsOnly)
{
    Press(tape, "2 + 3 =");
    EXPECT_EQ(tape.CopyText(), Sep("5.00000"));
    tape.Select(1);
    EXPECT_EQ(tape.CopyText(), std::nullopt);
    tape.Select(0);
    EXPECT_EQ(tape.CopyText(), Sep("2."));
}

TEST_P(Tape, PasteRoundsToTheCurrentDecimals)
{
    Press(tape, "2 +");
    tape.Paste(Sep("2.5"));
    EXPECT_EQ(Picture(tape), Sep("2. + 2.50000"));
    EXPECT_EQ(tape.Cursor(), 2);
    tape.Paste(Sep("3.14159265"));
    EXPECT_EQ(Picture(tape), Sep("2. + 3.14159"));
    tape.Paste(std::string("Ala ma kota"));
    EXPECT_EQ(Picture(tape), Sep("2. + 0."));
    // Outside the fixed range the pasted value shows its exponent, written
    // as a result is.
    tape.Paste(std::string("1e300"));
    EXPECT_EQ(LastText(tape), Sep("1.00000e+300"));
    tape.Paste(std::string("2e-20"));
    EXPECT_EQ(LastText(tape), Sep("2.00000e-20"));
    EXPECT_DOUBLE_EQ(tape.Token(2)->Evaluate(), 2e-20);
    // No text on the clipboard: nothing at all.
    EXPECT_EQ(tape.Paste(std::nullopt), KeyEffect{});
}

TEST_P(Tape, PasteAfterAResultOrBracketAppendsEvenZero)
{
    Press(tape, "2 =");
    tape.Paste(std::string("0"));
    EXPECT_EQ(Picture(tape), Sep("2. =2.00000 0.00000"));
    Press(tape, "+ (");
    tape.Paste(Sep("1.5"));
    Press(tape, "=");
    EXPECT_EQ(LastText(tape), Sep("1.50000"));
    // On a closing bracket or an earlier operator nothing is pasted.
    Press(tape, "CE ( 2 )");
    tape.Paste(std::string("9"));
    EXPECT_EQ(Picture(tape), Sep("( 2. )"));
    Press(tape, "+ 1");
    tape.Select(3);
    tape.Paste(std::string("9"));
    EXPECT_EQ(Picture(tape), Sep("( 2. ) + 1."));
}

TEST_P(Tape, EditingAnEarlierNumberRecomputesOnlyItsExpression)
{
    Press(tape, "2 + 3 = * 2 =");
    tape.Select(2);
    const KeyEffect effect = Press(tape, "5");
    EXPECT_TRUE(effect.reevaluated);
    EXPECT_EQ(Picture(tape), Sep("2. + 35. =37.00000 5.00000 * 2. =10.00000"));
    EXPECT_EQ(tape.Cursor(), 2);
}

TEST_P(Tape, EditsAnywhereGiveTheResultOfAWholeRecomputation)
{
    // Keys, selections, pastes and parameter changes at random over tapes
    // of several expressions: after every key that recomputes a result,
    // that result is what the whole expression gives when computed anew.
    const std::vector<std::string> keys = {"0", "1", "2", "7", "9", ".", "+", "-", "*", "/", "(", "sin(", "cos(",
                                           "1/(", ")", "=", "BS", "+/-", "C", "PI", "EXP"};
    std::mt19937 rng(GetParam() == ',' ? 31u : 32u);
    int checked = 0;
    for (int round = 0; round < 60; ++round) {
        CTasma tape;
        std::string trace;
        for (int step = 0; step < 400; ++step) {
            KeyEffect effect;
            const unsigned choice = rng() % 100;
            if (choice < 12 && tape.TokenCount() > 0) {
                const int at = static_cast<int>(rng() % static_cast<unsigned>(tape.TokenCount()));
                tape.Select(at);
                trace += " select:" + std::to_string(at);
                continue;
            }
            if (choice < 15) {
                const double value = static_cast<double>(rng() % 2000) / 8.0 - 100.0;
                effect = tape.Paste(FormatG(value));
                trace += " paste:" + FormatG(value);
            } else if (choice < 17) {
                effect = tape.SetAngleMode(rng() % 2 == 0 ? AngleMode::Rad : AngleMode::Grad);
                trace += " angle";
            } else if (choice < 18) {
                effect = tape.SetDecimals(static_cast<int>(rng() % 12));
                trace += " decimals";
            } else if (choice < 19) {
                effect = tape.SetFix(rng() % 2 == 0);
                trace += " fix";
            } else {
                const std::string& key = keys[rng() % keys.size()];
                effect = Press(tape, key);
                trace += " " + key;
            }
            if (!effect.reevaluated)
                continue;
            const int mark = tape.Tokens().NextResultMark(tape.Cursor());
            if (mark < 0)
                continue;
            const double expected = calctest::WholeRecomputation(tape.Tokens()).ValueBefore(mark);
            const std::string& shown = tape.Token(mark)->m_valueText;
            ASSERT_TRUE(calctest::ShowsWholeResult(shown, tape.FormatResult(expected), expected))
                << shown << " for " << expected << " after" << trace;
            ++checked;
        }
    }
    // The random keys reach results often enough to mean something.
    EXPECT_GT(checked, 3000);
}

TEST_P(Tape, ReparameterisingASelectedBracket)
{
    Press(tape, "sin( 90 ) = sin( 90 ) =");
    EXPECT_EQ(Picture(tape), Sep("sin( 90. ) =1.00000 sin( 90. ) =1.00000"));
    tape.Select(4);
    tape.SetAngleMode(AngleMode::Rad);
    EXPECT_EQ(Picture(tape), Sep("sin( 90. ) =1.00000 sin( 90. ) =0.89400"));
    // Switching back with the cursor elsewhere changes no bracket.
    tape.Select(6);
    tape.SetAngleMode(AngleMode::Deg);
    EXPECT_EQ(Picture(tape), Sep("sin( 90. ) =1.00000 sin( 90. ) =0.89400"));

    Press(tape, "CE x^y( 2 ) =");
    EXPECT_EQ(LastText(tape), Sep("2.00000"));
    tape.Select(0);
    tape.SetExponentY(10.0);
    EXPECT_EQ(LastText(tape), Sep("1024.00000"));

    Press(tape, "CE A--->B( 100 ) =");
    EXPECT_EQ(LastText(tape), Sep("100.00000"));
    tape.Select(0);
    tape.SetConversion(1.8, 32.0);
    EXPECT_EQ(LastText(tape), Sep("212.00000"));
    tape.Select(0);
    EXPECT_EQ(tape.BracketParameters(24), (std::pair<double, double>{1.8, 32.0}));
    tape.SetAngleMode(AngleMode::None);
    EXPECT_EQ(tape.BracketParameters(11).first, 1.0);
    EXPECT_EQ(tape.BracketParameters(2), (std::pair<double, double>{0.0, 0.0}));
}

TEST_P(Tape, ExchangingEarlierOperatorsAndFunctions)
{
    Press(tape, "6 + 3 = sqrt( 16 ) =");
    tape.Select(1);
    KeyEffect effect = Press(tape, "*");
    EXPECT_TRUE(effect.flashes.empty());
    EXPECT_TRUE(effect.refresh);
    EXPECT_EQ(LastText(tape), Sep("4.00000"));
    EXPECT_EQ(tape.Token(3)->m_valueText, Sep("18.00000"));
    // The same operator, or a number under the cursor: nothing at all.
    EXPECT_EQ(Press(tape, "*"), KeyEffect{});
    tape.Select(0);
    EXPECT_EQ(Press(tape, "-"), KeyEffect{});
    tape.Select(4);
    effect = Press(tape, "x^2(");
    EXPECT_TRUE(effect.flashes.empty());
    EXPECT_EQ(tape.Token(4)->m_label, "x^2(");
    EXPECT_EQ(LastText(tape), Sep("256.00000"));
    EXPECT_EQ(tape.OpenBrackets(), 0);
}

TEST_P(Tape, BackspaceRemovesZeroNumbersThenOperators)
{
    Press(tape, "2 + 0");
    Press(tape, "BS");
    EXPECT_EQ(Picture(tape), Sep("2. +"));
    EXPECT_EQ(tape.Cursor(), 1);
    Press(tape, "BS");
    EXPECT_EQ(Picture(tape), Sep("2."));
    Press(tape, "1 BS");
    EXPECT_EQ(Picture(tape), Sep("2."));
    Press(tape, "BS BS BS");
    EXPECT_EQ(Picture(tape), Sep("0."));
    EXPECT_EQ(tape.TokenCount(), 1);
}

TEST_P(Tape, BackspaceOnBracketsKeepsTheCount)
{
    Press(tape, "( 2 )");
    EXPECT_EQ(tape.OpenBrackets(), 0);
    Press(tape, "BS");
    EXPECT_EQ(tape.OpenBrackets(), 1);
    Press(tape, "BS BS");
    EXPECT_EQ(Picture(tape), "(");
    EXPECT_EQ(tape.OpenBrackets(), 1);
    // The first token is never removed; a result mark stays.
    Press(tape, "BS");
    EXPECT_EQ(Picture(tape), "(");
    Press(tape, "CE 2 + sin( BS");
    EXPECT_EQ(tape.OpenBrackets(), 0);
    Press(tape, "1 = BS");
    EXPECT_EQ(Picture(tape), Sep("2. + 1. =3.00000"));
}

TEST_P(Tape, ResultWithAnEarlierLineSelectedJumpsToItsResult)
{
    Press(tape, "2 + 3 = 4 * 5 =");
    tape.Select(0);
    const KeyEffect effect = Press(tape, "=");
    EXPECT_EQ(tape.Cursor(), 3);
    EXPECT_TRUE(effect.flashes.empty());
    EXPECT_EQ(tape.TokenCount(), 8);
    // With no result mark after the selected line, back to the end.
    tape.Select(7);
    Press(tape, "+ 1");
    tape.Select(8);
    Press(tape, "=");
    EXPECT_EQ(tape.Cursor(), 10);
    EXPECT_EQ(tape.TokenCount(), 11);
}

TEST_P(Tape, RefusedKeysBeep)
{
    EXPECT_FALSE(Press(tape, "1").beep);
    EXPECT_TRUE(Press(tape, "23456789012 3").beep);
    EXPECT_FALSE(Press(tape, "EXP").beep);
    EXPECT_TRUE(Press(tape, "EXP").beep);
    EXPECT_TRUE(Press(tape, "2 9 1").beep);
    // EXP right after an operator does nothing, and does not beep.
    const KeyEffect effect = Press(tape, "+ EXP");
    EXPECT_FALSE(effect.beep);
    EXPECT_EQ(tape.TokenCount(), 2);
}

TEST_P(Tape, ClearAndClearAll)
{
    Press(tape, "2 + 3 =");
    tape.Select(2);
    Press(tape, "C");
    // C does not recompute.
    EXPECT_EQ(Picture(tape), Sep("2. + 0. =5.00000"));
    Press(tape, "( 7 CE");
    EXPECT_EQ(Picture(tape), Sep("0."));
    EXPECT_EQ(tape.Cursor(), 0);
    EXPECT_EQ(tape.OpenBrackets(), 0);
    EXPECT_EQ(tape.Tokens().m_parsePosition, 0);
}

TEST_P(Tape, SignSeparatorAndPiKeys)
{
    Press(tape, "1 2 . 5 +/-");
    EXPECT_EQ(Picture(tape), Sep("-12.5"));
    Press(tape, "+ PI =");
    EXPECT_EQ(LastText(tape), Sep("-9.35841"));
    Press(tape, ". 5 =");
    EXPECT_EQ(tape.Token(tape.TokenCount() - 2)->m_valueText, Sep("0.5"));
    EXPECT_EQ(LastText(tape), Sep("0.50000"));
}

TEST_P(Tape, InfoShowsTheSubtreeWithTheCurrentFormat)
{
    EXPECT_EQ(tape.InfoText(), "Pośredni wynik obliczeń:\n");
    Press(tape, "2 * ( 3 + 4 ) =");
    tape.Select(1);
    EXPECT_EQ(tape.InfoText(), "Pośredni wynik obliczeń:\n" + Sep("14.00000"));
    tape.Select(2);
    EXPECT_EQ(tape.InfoText(), "Pośredni wynik obliczeń:\n" + Sep("7.00000"));
    tape.Select(6);
    EXPECT_EQ(tape.InfoText(), "Pośredni wynik obliczeń:\n" + Sep("0.00000"));
}

TEST_P(Tape, ParameterChangesRecomputeTheCursorsExpression)
{
    Press(tape, "1 / 3 = 2 / 3 =");
    const KeyEffect effect = tape.SetDecimals(2);
    EXPECT_TRUE(effect.refresh);
    EXPECT_TRUE(effect.flashes.empty());
    EXPECT_EQ(tape.Token(3)->m_valueText, Sep("0.33333"));
    EXPECT_EQ(LastText(tape), Sep("0.67"));
}

TEST_P(Tape, DisplayLinesOfASumWithASine)
{
    Press(tape, "2 + sin( 30 ) =");
    const std::vector<std::string> expected = {
        std::string("\t") + std::string(20, ' ') + Sep("2."),
        "\t       +",
        "   sin(",
        std::string("\t") + std::string(19, ' ') + Sep("30."),
        "      )",
        "=\t" + std::string(20, ' ') + Sep("2.50000"),
    };
    EXPECT_EQ(tape.DisplayLines(), expected);
}

TEST_P(Tape, DisplayIndentsNestedBrackets)
{
    Press(tape, "( arcsin( 1 ) ) =");
    const auto lines = tape.DisplayLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "      (");
    EXPECT_EQ(lines[1], " arcsin(");
    EXPECT_EQ(lines[3], "       )");
    EXPECT_EQ(lines[4], "      )");
    // A text without a separator gets 22 spaces.
    Press(tape, "CE tan( 90 ) =");
    EXPECT_EQ(tape.DisplayLines().back(), "=\t" + std::string(22, ' ') + "inf");
}

// ---- Exponents of carried numbers ----

TEST_P(Tape, BackspaceAfterExpOnACarriedExponentKeepsItsValue)
{
    Press(tape, "1 EXP 1 0 0 = + 1 =");
    EXPECT_EQ(Picture(tape), Sep("1.e+100 =1.00000e+100 1.00000e+100 + 1. =1.00000e+100"));
    tape.Select(2);
    KeyEffect effect = tape.Exp();
    EXPECT_FALSE(effect.beep);
    EXPECT_EQ(tape.Token(2)->m_valueText, Sep("1.00000e+100e+000"));
    effect = tape.Backspace();
    EXPECT_TRUE(effect.reevaluated);
    EXPECT_EQ(Picture(tape), Sep("1.e+100 =1.00000e+100 1.00000e+100 + 1. =1.00000e+100"));
    EXPECT_EQ(tape.Token(5)->Evaluate(), 1e100 + 1);
}

TEST_P(Tape, BackspaceAfterExpOnATwoDigitExponent)
{
    Press(tape, "1 EXP 1 3 = + 1 =");
    EXPECT_EQ(tape.Token(2)->m_valueText, Sep("1.00000e+13"));
    tape.Select(2);
    tape.Exp();
    tape.Backspace();
    EXPECT_EQ(tape.Token(2)->m_valueText, Sep("1.00000e+13"));
    EXPECT_EQ(tape.Token(5)->m_valueText, Sep("1.00000e+13"));
    EXPECT_EQ(tape.Token(5)->Evaluate(), 1e13 + 1);
    // A second Backspace now edits the result's own exponent: 13 becomes 1.
    tape.Backspace();
    EXPECT_EQ(tape.Token(2)->m_valueText, Sep("1.00000e+1"));
    EXPECT_EQ(tape.Token(5)->m_valueText, Sep("11.00000"));
}

TEST_P(Tape, TypedExponentIsNeverClamped)
{
    Press(tape, "1 EXP . 1 2 3 4");
    EXPECT_EQ(LastText(tape), Sep("1.e+0001234"));
    Press(tape, "BS =");
    EXPECT_EQ(Picture(tape), Sep("1.e+000123 =1.00000e+123"));
    Press(tape, "CE 1 EXP . 1 2 3 4 =");
    EXPECT_EQ(LastText(tape), "inf");
}

// ---- Numbers that are not finite ----

TEST_P(Tape, CarriedInfinityTakesNoDigitSeparatorOrExp)
{
    Press(tape, "5 / 0 = +");
    ASSERT_EQ(tape.Token(4)->m_valueText, "inf");
    tape.Select(4);
    for (const char* key : {"7", ".", "EXP"}) {
        const KeyEffect effect = Press(tape, key);
        EXPECT_TRUE(effect.beep) << key;
        EXPECT_EQ(tape.Token(4)->m_valueText, "inf") << key;
    }
    // A carried inf stays inf in the next result.
    Press(tape, "CE 5 / 0 = + 1 =");
    EXPECT_EQ(LastText(tape), "inf");
}

TEST_P(Tape, SignBackspaceAndClearWorkOnAnInfinity)
{
    Press(tape, "5 / 0 = + 1 =");
    tape.Select(4);
    EXPECT_FALSE(tape.ToggleSign().beep);
    EXPECT_EQ(tape.Token(4)->m_valueText, "-inf");
    EXPECT_EQ(LastText(tape), "-inf");
    EXPECT_FALSE(tape.Backspace().beep);
    EXPECT_EQ(tape.Token(4)->m_valueText, Sep("0."));
    EXPECT_EQ(LastText(tape), Sep("1.00000"));
    // The number is an ordinary one again.
    EXPECT_FALSE(Press(tape, "4").beep);
    EXPECT_EQ(tape.Token(4)->m_valueText, Sep("4."));
    EXPECT_EQ(LastText(tape), Sep("5.00000"));

    Press(tape, "CE 0 / 0 = +");
    tape.Select(4);
    ASSERT_TRUE(tape.Token(4)->m_valueText.find("nan") != std::string::npos);
    tape.ClearNumber();
    EXPECT_EQ(tape.Token(4)->m_valueText, Sep("0."));
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, Tape, ::testing::Values('.', ','), calctest::SeparatorName);

} // namespace
