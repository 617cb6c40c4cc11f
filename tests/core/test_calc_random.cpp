// Random key sequences: whatever the user presses, the tape stays sound
// (run under the sanitizers in CI).
#include <cmath>
#include <limits>
#include <random>

#include "calc_test_support.h"

namespace {

const std::vector<int>& AllButtons()
{
    static const std::vector<int> buttons = [] {
        std::vector<int> ids;
        for (int id = kIdPi; id <= kIdClearAll; ++id)
            ids.push_back(id);
        for (int id = kIdCloseBracket; id <= kIdFunction24; ++id)
            ids.push_back(id);
        return ids;
    }();
    return buttons;
}

const std::vector<std::string> kPastes = {
    "2,5", "2.5", "-7", "0", "", "-", "+", "e5", "1e-400", "1e400", "-1e308", "inf", "-inf", "nan",
    "Ala ma kota", "3,14159265358979323846", "999999999999", "1e-11", "12345678901234567890", " 42 ",
};

// Checks what must hold after every key.
void ExpectSound(const CTasma& tape, bool evaluateAll)
{
    const int n = tape.TokenCount();
    ASSERT_GE(n, 1);
    ASSERT_GE(tape.Cursor(), 0);
    ASSERT_LT(tape.Cursor(), n);
    const int first = tape.Token(0)->m_kind;
    ASSERT_TRUE(first == kKindStala || first == kKindLewyNaw) << first;
    int open = 0;
    for (int i = 0; i < n; ++i) {
        const CWezel* t = tape.Token(i);
        ASSERT_NE(t, nullptr);
        ASSERT_GE(t->m_kind, kKindStala);
        ASSERT_LE(t->m_kind, kKindWynik);
        if (t->m_kind == kKindLewyNaw)
            ++open;
        if (t->m_kind == kKindPrawyNaw)
            --open;
        if (t->m_kind == kKindStala) {
            ASSERT_FALSE(t->m_valueText.empty());
        }
        // Every node can be asked for its value (Info) at any time.
        if (evaluateAll)
            (void)t->Evaluate();
    }
    ASSERT_EQ(open, tape.OpenBrackets());
    ASSERT_EQ(tape.DisplayLines().size(), static_cast<std::size_t>(n));
}

void RandomSession(std::mt19937& rng, int keys)
{
    CTasma tape;
    const auto& buttons = AllButtons();
    for (int k = 0; k < keys; ++k) {
        const int choice = static_cast<int>(rng() % 100);
        if (choice < 75) {
            tape.PressButton(buttons[rng() % buttons.size()]);
        } else if (choice < 85) {
            // Selections, some of them outside the list.
            tape.Select(static_cast<int>(rng() % (tape.TokenCount() + 2)) - 1);
        } else if (choice < 90) {
            tape.Paste(rng() % 8 == 0 ? std::nullopt : std::optional<std::string>(kPastes[rng() % kPastes.size()]));
        } else if (choice < 93) {
            (void)tape.CopyText();
            (void)tape.InfoText();
        } else {
            switch (rng() % 6) {
            case 0: tape.SetFix(rng() % 2 == 0); break;
            case 1: tape.SetDecimals(static_cast<int>(rng() % 15) - 2); break;
            case 2: {
                const double ys[] = {0.0, 1.0, -2.5, 1e308, std::numeric_limits<double>::quiet_NaN(),
                                     std::numeric_limits<double>::infinity()};
                tape.SetExponentY(ys[rng() % 6]);
                break;
            }
            case 3: tape.SetAngleMode(static_cast<AngleMode>(rng() % 4)); break;
            case 4: tape.SetConversion(rng() % 3 == 0 ? 0.0 : 1.8, 32.0); break;
            default: tape.PressButton(static_cast<int>(rng() % 200) + 1100); break;
            }
        }
        ExpectSound(tape, k % 8 == 0 || k + 1 == keys);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

class RandomKeys : public calctest::SeparatorTest {};

TEST_P(RandomKeys, ThousandsOfSequencesKeepTheTapeSound)
{
    std::mt19937 rng(GetParam() == ',' ? 20261209u : 8u);
    for (int session = 0; session < 1500 && !HasFatalFailure(); ++session)
        RandomSession(rng, 40 + static_cast<int>(rng() % 120));
}

TEST_P(RandomKeys, SequencesRichInNumberKeys)
{
    // Mostly digits, EXP, sign, separator, backspace and PI: the number
    // editing rules meet every state they can reach.
    const std::vector<int> keys = {kIdDigit0, kIdDigit0 + 1, kIdDigit0 + 2, kIdDigit0 + 9, kIdExp, kIdSign,
                                   kIdSeparator, kIdBackspace, kIdPi, kIdClear, kIdAdd, kIdResult};
    std::mt19937 rng(GetParam() == ',' ? 7u : 77u);
    for (int session = 0; session < 1000 && !HasFatalFailure(); ++session) {
        CTasma tape;
        for (int k = 0; k < 60; ++k) {
            if (rng() % 10 == 0)
                tape.Select(static_cast<int>(rng() % tape.TokenCount()));
            else if (rng() % 15 == 0)
                tape.Paste(kPastes[rng() % kPastes.size()]);
            else
                tape.PressButton(keys[rng() % keys.size()]);
            ExpectSound(tape, k % 8 == 0);
            if (HasFatalFailure())
                return;
        }
    }
}

TEST_P(RandomKeys, DeepNestingAndLongTapes)
{
    CTasma tape;
    for (int i = 0; i < 3000; ++i)
        tape.PressButton(i % 2 == 0 ? kIdFunction0 : kIdSin);
    calctest::Press(tape, "3 0 =");
    EXPECT_EQ(tape.OpenBrackets(), 0);
    EXPECT_EQ(tape.TokenCount(), 6002);
    calctest::Press(tape, "CE");
    for (int i = 0; i < 3000; ++i)
        calctest::Press(tape, "1 +");
    calctest::Press(tape, "1 =");
    EXPECT_EQ(tape.Token(tape.TokenCount() - 1)->m_valueText, calctest::Sep("3001.00000"));
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, RandomKeys, ::testing::Values('.', ','), calctest::SeparatorName);

} // namespace
