// Editing a number token: the text is built key by key.
#include <cmath>

#include "calc/Wezel.h"
#include "calc_test_support.h"

using calctest::Sep;

namespace {

class NumberEditing : public calctest::SeparatorTest {
protected:
    void Type(CStala& n, const std::string& digits)
    {
        for (char d : digits)
            ASSERT_TRUE(n.EnterDigit(d)) << d;
    }
};

TEST_P(NumberEditing, IntegerPartKeepsTheSeparatorAtTheEnd)
{
    CStala n;
    EXPECT_EQ(n.m_valueText, Sep("0."));
    EXPECT_TRUE(n.EnterDigit('0'));
    EXPECT_EQ(n.m_valueText, Sep("0."));
    Type(n, "125");
    EXPECT_EQ(n.m_valueText, Sep("125."));
    EXPECT_EQ(n.Evaluate(), 125.0);
    EXPECT_FALSE(n.EnterDigit('x'));
}

TEST_P(NumberEditing, TwelveIntegerDigitsThenARefusal)
{
    CStala n;
    Type(n, "123456789012");
    EXPECT_EQ(n.m_valueText, Sep("123456789012."));
    EXPECT_EQ(n.m_valueText.size(), 13u);
    EXPECT_FALSE(n.EnterDigit('3'));
    EXPECT_EQ(n.m_valueText, Sep("123456789012."));
    // The fraction part is held to the same length.
    n.StartFraction();
    EXPECT_FALSE(n.EnterDigit('3'));
}

TEST_P(NumberEditing, FractionDigitsAreAppended)
{
    CStala n;
    Type(n, "12");
    n.StartFraction();
    EXPECT_EQ(n.m_phase, 1);
    Type(n, "5");
    EXPECT_EQ(n.m_valueText, Sep("12.5"));
    Type(n, "000000000");
    EXPECT_EQ(n.m_valueText.size(), 13u);
    EXPECT_FALSE(n.EnterDigit('1'));
    EXPECT_DOUBLE_EQ(n.Evaluate(), 12.5);
}

TEST_P(NumberEditing, PastedLongTextStillTakesDigits)
{
    // The length limit is an equality on purpose.
    CStala n;
    n.m_valueText = Sep("1.234567890123456");
    n.DeriveEntryState();
    EXPECT_EQ(n.m_phase, 1);
    EXPECT_TRUE(n.EnterDigit('7'));
    EXPECT_EQ(n.m_valueText, Sep("1.2345678901234567"));
}

TEST_P(NumberEditing, ExponentTakesThreeDigitsUpTo290)
{
    CStala n;
    Type(n, "1");
    ASSERT_TRUE(n.StartExponent());
    EXPECT_EQ(n.m_valueText, Sep("1.e+000"));
    EXPECT_EQ(n.Evaluate(), 1.0);
    Type(n, "29");
    EXPECT_EQ(n.m_valueText, Sep("1.e+029"));
    EXPECT_FALSE(n.EnterDigit('1')); // 291
    EXPECT_EQ(n.m_valueText, Sep("1.e+029"));
    EXPECT_TRUE(n.EnterDigit('0'));
    EXPECT_EQ(n.m_valueText, Sep("1.e+290"));
    EXPECT_EQ(n.Evaluate(), 1e290);
    EXPECT_FALSE(n.EnterDigit('0'));
    EXPECT_FALSE(n.StartExponent());
}

TEST_P(NumberEditing, FourthExponentDigitRefusedEvenWhenZero)
{
    CStala n;
    ASSERT_TRUE(n.StartExponent());
    Type(n, "000");
    EXPECT_FALSE(n.EnterDigit('0'));
    EXPECT_EQ(n.m_valueText, Sep("0.e+000"));
}

TEST_P(NumberEditing, FractionAfterExponentAppendsToTheExponent)
{
    CStala n;
    Type(n, "1");
    n.StartFraction();
    Type(n, "5");
    ASSERT_TRUE(n.StartExponent());
    n.StartFraction();
    Type(n, "3");
    EXPECT_EQ(n.m_valueText, Sep("1.5e+0003"));
    EXPECT_EQ(n.Evaluate(), 1500.0);
}

TEST_P(NumberEditing, DeleteLastWalksBackThroughExponentFractionAndInteger)
{
    CStala n;
    n.m_valueText = Sep("1.5e+012");
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("1.5e+001"));
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("1.5"));
    EXPECT_EQ(n.m_exponentFlag, 0);
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("1."));
    EXPECT_EQ(n.m_phase, 0);
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("0."));
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("0."));

    n.m_valueText = Sep("12.5");
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("12."));
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("1."));

    n.m_valueText = Sep("-5.");
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("-."));
    EXPECT_EQ(n.Evaluate(), 0.0);
}

TEST_P(NumberEditing, ToggleSignFlipsNumberOrExponent)
{
    CStala n;
    n.ToggleSign();
    EXPECT_EQ(n.m_valueText, Sep("0."));
    Type(n, "5");
    n.ToggleSign();
    EXPECT_EQ(n.m_valueText, Sep("-5."));
    n.ToggleSign();
    EXPECT_EQ(n.m_valueText, Sep("5."));

    n.m_valueText = Sep("2.5e+003");
    n.DeriveEntryState();
    n.ToggleSign();
    EXPECT_EQ(n.m_valueText, Sep("2.5e-003"));
    n.ToggleSign();
    EXPECT_EQ(n.m_valueText, Sep("2.5e+003"));
}

TEST_P(NumberEditing, PiIsThirteenCharactersAndTakesNoDigit)
{
    CStala n;
    n.EnterPi();
    EXPECT_EQ(n.m_valueText, Sep("3.14159265359"));
    EXPECT_FALSE(n.EnterDigit('1'));
    n.StartFraction();
    EXPECT_FALSE(n.EnterDigit('1'));
}

TEST_P(NumberEditing, PiTypedDuringTheExponentChangesItsOwnSign)
{
    // The text no longer has an exponent; flipping "the exponent's sign"
    // would write a minus into the middle of pi's digits.
    CStala n;
    Type(n, "2");
    ASSERT_TRUE(n.StartExponent());
    n.EnterPi();
    n.ToggleSign();
    EXPECT_EQ(n.m_valueText, Sep("-3.14159265359"));
    EXPECT_DOUBLE_EQ(n.Evaluate(), -3.14159265359);
}

TEST_P(NumberEditing, DeriveEntryStateFromPastedTexts)
{
    CStala n;
    n.m_valueText = Sep("12.");
    n.DeriveEntryState();
    EXPECT_EQ(n.m_phase, 0);
    EXPECT_EQ(n.m_exponentFlag, 0);
    n.m_valueText = Sep("12.5");
    n.DeriveEntryState();
    EXPECT_EQ(n.m_phase, 1);

    n.m_valueText = Sep("1.50000e+123");
    n.DeriveEntryState();
    EXPECT_EQ(n.m_phase, 2);
    EXPECT_EQ(n.m_exponentFlag, 1);
    EXPECT_EQ(n.m_exponentDigits, 3);
    EXPECT_FALSE(n.EnterDigit('0')); // 1230 > 290
}

TEST_P(NumberEditing, TwoDigitExponentsOfTheLibraryGrowAndShrinkAtTheEnd)
{
    CStala n;
    n.m_valueText = Sep("1.00000e-05");
    n.DeriveEntryState();
    // Deriving the state leaves the text as the formatter wrote it.
    EXPECT_EQ(n.m_valueText, Sep("1.00000e-05"));
    EXPECT_EQ(n.m_phase, 2);
    EXPECT_EQ(n.m_exponentDigits, 1);
    EXPECT_DOUBLE_EQ(n.Evaluate(), 1e-5);
    // The sign survives digit entry, toggling and deletion.
    EXPECT_TRUE(n.EnterDigit('2'));
    EXPECT_EQ(n.m_valueText, Sep("1.00000e-052"));
    n.ToggleSign();
    EXPECT_EQ(n.m_valueText, Sep("1.00000e+052"));
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("1.00000e+005"));
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("1.00000"));

    n.m_valueText = Sep("1.50000e+13");
    n.DeriveEntryState();
    EXPECT_EQ(n.m_exponentDigits, 2);
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("1.50000e+1"));
    EXPECT_DOUBLE_EQ(n.Evaluate(), 15.0);
    EXPECT_TRUE(n.EnterDigit('4'));
    EXPECT_EQ(n.m_valueText, Sep("1.50000e+14"));
    EXPECT_TRUE(n.EnterDigit('0'));
    EXPECT_EQ(n.m_valueText, Sep("1.50000e+140"));
    EXPECT_FALSE(n.EnterDigit('0'));   // 1400 > 290, and a fourth digit
    // A result's exponent above the typing limit still reads and shrinks.
    n.m_valueText = Sep("1.00000e+300");
    n.DeriveEntryState();
    EXPECT_FALSE(n.EnterDigit('1'));
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("1.00000e+030"));
}

TEST_P(NumberEditing, SeparatorInTheExponentAppendsDigitsThatBackspaceTakesOneByOne)
{
    // 1 EXP . 1 2 3 4: the digits land after e+000 and are never clamped.
    CStala n;
    Type(n, "1");
    ASSERT_TRUE(n.StartExponent());
    ASSERT_TRUE(n.StartFraction());
    Type(n, "1234");
    EXPECT_EQ(n.m_valueText, Sep("1.e+0001234"));
    EXPECT_TRUE(std::isinf(n.Evaluate()));
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("1.e+000123"));
    EXPECT_EQ(n.Evaluate(), 1e123);
    EXPECT_EQ(n.m_phase, 2);
    EXPECT_FALSE(n.EnterDigit('0'));   // 1230 > 290
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("1.e+00012"));
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("1.e+0001"));
    EXPECT_EQ(n.Evaluate(), 10.0);
    // A value under 10 takes the whole exponent part with it.
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("1."));
    EXPECT_EQ(n.m_exponentFlag, 0);
    EXPECT_EQ(n.m_phase, 0);
}

TEST_P(NumberEditing, DigitsTypedIntoASecondExponentEditOnlyIt)
{
    CStala n;
    n.m_valueText = Sep("1.00000e+100");
    ASSERT_TRUE(n.StartExponent());
    ASSERT_TRUE(n.EnterDigit('5'));
    EXPECT_EQ(n.m_valueText, Sep("1.00000e+100e+005"));
    n.ToggleSign();
    EXPECT_EQ(n.m_valueText, Sep("1.00000e+100e-005"));
    // The first exponent ends the number that is read.
    EXPECT_EQ(n.Evaluate(), 1e100);
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("1.00000e+100"));
}

TEST_P(NumberEditing, NonFiniteWordsTakeNoDigitSeparatorOrExponent)
{
    for (const char* word : {"inf", "-inf", "nan", "-nan"}) {
        CStala n;
        n.m_valueText = word;
        EXPECT_FALSE(n.EnterDigit('5')) << word;
        EXPECT_FALSE(n.StartFraction()) << word;
        EXPECT_FALSE(n.StartExponent()) << word;
        EXPECT_EQ(n.m_valueText, word);
        EXPECT_EQ(n.m_phase, 0) << word;
        // The same after its state is derived, as a paste does.
        n.DeriveEntryState();
        EXPECT_FALSE(n.EnterDigit('5')) << word;
        EXPECT_FALSE(n.StartExponent()) << word;
        EXPECT_EQ(n.m_valueText, word);
    }
}

TEST_P(NumberEditing, NonFiniteWordsChangeSignAndClearAsWholes)
{
    CStala n;
    n.m_valueText = "nan";
    n.ToggleSign();
    EXPECT_EQ(n.m_valueText, "-nan");
    // Backspace takes the word whole: what is left is a fresh number.
    n.DeleteLast();
    EXPECT_EQ(n.m_valueText, Sep("0."));
    EXPECT_EQ(n.m_phase, 0);
    EXPECT_TRUE(n.EnterDigit('7'));
    EXPECT_EQ(n.m_valueText, Sep("7."));
    n.m_valueText = "-inf";
    n.Clear();
    EXPECT_EQ(n.m_valueText, Sep("0."));
    // A number that overflows is written with digits and edits as one.
    n.m_valueText = Sep("1.e+0001234");
    n.DeriveEntryState();
    EXPECT_TRUE(std::isinf(n.Evaluate()));
    EXPECT_FALSE(n.IsNonFinite());
}

TEST_P(NumberEditing, ZeroExponentAcceptsDigitsUntilTheLimit)
{
    CStala n;
    n.m_valueText = Sep("5.e+000");
    n.DeriveEntryState();
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(n.EnterDigit('0'));
    EXPECT_TRUE(n.EnterDigit('2'));
    EXPECT_TRUE(n.EnterDigit('9'));
    EXPECT_FALSE(n.EnterDigit('9'));
    EXPECT_EQ(n.m_valueText, Sep("5.e+029"));
}

TEST_P(NumberEditing, ClearReadsTheSeparatorAnew)
{
    CStala n;
    n.m_valueText = "42";
    SetDecimalSeparator(GetParam() == ',' ? '.' : ',');
    n.Clear();
    EXPECT_EQ(n.m_valueText, std::string("0") + DecimalSeparator());
    EXPECT_EQ(n.m_phase, 0);
    EXPECT_EQ(n.m_exponentDigits, 1);
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, NumberEditing, ::testing::Values('.', ','), calctest::SeparatorName);

} // namespace
