// The tape's display lines as keys change them: kept line by line, they
// must read as lines built from scratch, and the changes a list is told
// about must bring a copy of the lines up to date, touching only rows that
// changed. Deep nestings stay cheap to show.
#include <limits>
#include <random>

#include "calc_test_support.h"

using calctest::Press;
using calctest::Sep;

namespace {

// A list box as the page keeps it: rows follow the changes it is told.
struct Mirror {
    std::vector<std::string> rows;
    int updatedRows = 0; // rows written, kept or new, by the last changes

    // Applies changes. Changes of one key rewrite no row with the text
    // it already has; over several keys a row may change and change back.
    void Apply(const DisplayChanges& changes, const std::vector<std::string>& lines, bool oneKey = true)
    {
        ASSERT_LE(changes.keptRows, static_cast<int>(rows.size()));
        ASSERT_LE(changes.keptRows, changes.rowCount);
        ASSERT_EQ(changes.rowCount, static_cast<int>(lines.size()));
        rows.resize(static_cast<std::size_t>(changes.keptRows));
        int previous = -1;
        for (const int row : changes.changedRows) {
            ASSERT_GT(row, previous) << "rows ascending, each once";
            ASSERT_LT(row, changes.keptRows);
            const auto r = static_cast<std::size_t>(row);
            if (oneKey) {
                ASSERT_NE(rows[r], lines[r]) << "row " << row << " rewritten unchanged";
            }
            rows[r] = lines[r];
            previous = row;
        }
        for (int row = changes.keptRows; row < changes.rowCount; ++row)
            rows.push_back(lines[static_cast<std::size_t>(row)]);
        updatedRows = static_cast<int>(changes.changedRows.size()) + changes.rowCount - changes.keptRows;
    }
};

class Display : public calctest::SeparatorTest {
protected:
    CTasma tape;

    static std::vector<std::string> FromScratch(const CTasma& tape)
    {
        return BuildDisplayLines(tape.Tokens(), tape.SeparatorChar());
    }

    // Takes the changes into the mirror and compares everything.
    void Check(CTasma& tape, Mirror& mirror, bool oneKey = true)
    {
        const DisplayChanges changes = tape.TakeDisplayChanges();
        mirror.Apply(changes, tape.Lines(), oneKey);
        ASSERT_EQ(tape.Lines(), FromScratch(tape));
        ASSERT_EQ(mirror.rows, tape.Lines());
    }
};

// Keys with edits all over the tape: selections of earlier lines, numbers
// retyped, operators and functions exchanged, parameters changed under
// the cursor, pastes, results recomputed; the changes are taken after
// some keys only, so that they pile up in between.
TEST_P(Display, KeptLinesEqualLinesBuiltFromScratchAfterRandomEdits)
{
    std::vector<int> keys;
    for (int id = kIdPi; id <= kIdBackspace; ++id)
        keys.push_back(id);
    for (int id = kIdCloseBracket; id <= kIdFunction24; ++id)
        keys.push_back(id);
    const std::vector<std::string> pastes = {"2,5", "-7", "0", "1e300", "inf", "nan", "Ala", "999999999999"};
    std::mt19937 rng(GetParam() == ',' ? 5150u : 1984u);
    for (int session = 0; session < 120 && !HasFatalFailure(); ++session) {
        CTasma tape;
        Mirror mirror;
        Check(tape, mirror);
        int keysUntaken = 0;
        for (int k = 0; k < 400 && !HasFatalFailure(); ++k) {
            const int choice = static_cast<int>(rng() % 100);
            if (choice < 60) {
                tape.PressButton(keys[rng() % keys.size()]);
            } else if (choice < 80) {
                tape.Select(static_cast<int>(rng() % static_cast<unsigned>(tape.TokenCount())));
            } else if (choice < 85) {
                tape.Paste(pastes[rng() % pastes.size()]);
            } else if (choice < 99) {
                switch (rng() % 5) {
                case 0: tape.SetAngleMode(static_cast<AngleMode>(rng() % 4)); break;
                case 1: tape.SetDecimals(static_cast<int>(rng() % 12)); break;
                case 2: tape.SetFix(rng() % 2 == 0); break;
                case 3: tape.SetExponentY(static_cast<double>(rng() % 5) - 1.0); break;
                default: tape.SetConversion(1.8, 32.0); break;
                }
            } else {
                tape.ClearAll();
            }
            ++keysUntaken;
            if (rng() % 3 != 0) {
                Check(tape, mirror, keysUntaken == 1);
                keysUntaken = 0;
            } else {
                ASSERT_EQ(tape.Lines(), FromScratch(tape));
            }
        }
    }
}

TEST_P(Display, AKeyOnAnEarlierLineChangesItsLineAndItsResultOnly)
{
    for (int i = 0; i < 500; ++i)
        Press(tape, "1 2 . 5 * sin( 3 0 ) + 7 =");
    Mirror mirror;
    Check(tape, mirror);
    // The first number of expression 250 (eight tokens each) and its mark.
    const int number = 250 * 8;
    const int mark = number + 7;
    ASSERT_EQ(tape.Token(mark)->m_kind, kKindWynik);
    tape.Select(number);
    Press(tape, "4");
    const DisplayChanges typed = tape.TakeDisplayChanges();
    EXPECT_EQ(typed.keptRows, tape.TokenCount());
    EXPECT_EQ(typed.changedRows, (std::vector<int>{number, mark}));
    mirror.Apply(typed, tape.Lines());
    EXPECT_EQ(tape.Lines()[static_cast<std::size_t>(number)], std::string("\t") + std::string(19, ' ') + Sep("12.54"));
    EXPECT_EQ(tape.Token(mark)->m_valueText, Sep("13.27000"));

    // An operator exchanged changes its own line and the result.
    tape.Select(number + 1);
    Press(tape, "+");
    EXPECT_EQ(tape.TakeDisplayChanges().changedRows, (std::vector<int>{number + 1, mark}));
    EXPECT_EQ(tape.Token(mark)->m_valueText, Sep("20.04000"));
    // A key that changes nothing on the screen (the same operator again)
    // changes no row.
    Press(tape, "+");
    const DisplayChanges none = tape.TakeDisplayChanges();
    EXPECT_TRUE(none.changedRows.empty());
    EXPECT_EQ(none.keptRows, none.rowCount);
}

TEST_P(Display, ManyEditsBetweenTwoLooksShowTheLastOfThem)
{
    // The lines are brought up to date in the middle of a long run of
    // keys that nobody looks at; the key in progress must still show.
    Press(tape, "1 + 1 =");
    (void)tape.Lines();
    tape.Select(0);
    for (int i = 0; i < 33; ++i)
        Press(tape, "+/-");
    EXPECT_EQ(tape.Token(0)->m_valueText, Sep("-1."));
    EXPECT_EQ(tape.Lines(), FromScratch(tape));
}

TEST_P(Display, KeysAtTheEndChangeTheLastRowsOnly)
{
    for (int i = 0; i < 300; ++i)
        Press(tape, "2 + 3 =");
    Mirror mirror;
    Check(tape, mirror);
    const int before = tape.TokenCount();
    Press(tape, "+ 4");
    Check(tape, mirror);
    // The carried result, "+" and the 4 typed into a fresh number.
    EXPECT_EQ(mirror.updatedRows, 3);
    EXPECT_EQ(tape.TokenCount(), before + 3);
    Press(tape, "BS BS");
    Check(tape, mirror);
    // The number was emptied, then it went: one row less, none rewritten.
    EXPECT_EQ(mirror.updatedRows, 0);
    EXPECT_EQ(static_cast<int>(mirror.rows.size()), before + 2);
}

// ---- Deep nesting ----

TEST_P(Display, IndentationStopsGrowingAtItsLimitAndPairsStillLineUp)
{
    const int depth = kMaxBracketIndent + 20;
    for (int i = 0; i < depth; ++i)
        Press(tape, i % 2 == 0 ? "(" : "sin(");
    Press(tape, "1 =");
    const std::vector<std::string>& lines = tape.Lines();
    ASSERT_EQ(static_cast<int>(lines.size()), 2 * depth + 2);
    // Written as ever for ordinary depths: the label padded to seven
    // columns, one column further per enclosing bracket.
    EXPECT_EQ(lines[0], "      (");
    EXPECT_EQ(lines[1], "    sin(");
    EXPECT_EQ(lines[2], "        (");
    for (int i = 0; i < depth; ++i) {
        const std::string& opening = lines[static_cast<std::size_t>(i)];
        const std::string& closing = lines[static_cast<std::size_t>(2 * depth - i)];
        const std::size_t column = std::min(i, kMaxBracketIndent) + 7;
        EXPECT_EQ(opening.size(), column) << i;
        // Each closing bracket stands under the end of its own opening one.
        EXPECT_EQ(closing, std::string(column - 1, ' ') + ")") << i;
    }
}

TEST_P(Display, DeepNestingTypedKeyByKeyStaysBoundedAndComputes)
{
    // Far deeper than any stack would take by recursion, and a tape whose
    // indentation, unbounded, would print depth squared characters.
    const int depth = 30000;
    calctest::OnSmallStack([&] {
        for (int i = 0; i < depth; ++i)
            tape.PressButton(i % 2 == 0 ? kIdFunction0 : kIdReciprocal);
        Press(tape, "4 =");
    });
    EXPECT_EQ(tape.OpenBrackets(), 0);
    EXPECT_EQ(tape.Token(tape.TokenCount() - 1)->m_valueText, Sep("4.00000"));
    std::size_t characters = 0;
    for (const std::string& line : tape.Lines())
        characters += line.size();
    EXPECT_LE(characters, tape.Lines().size() * (kMaxBracketIndent + 40));
    // A key inside the nesting rewrites its own line and the result only.
    (void)tape.TakeDisplayChanges();
    tape.Select(depth);
    Press(tape, "2");
    EXPECT_EQ(tape.TakeDisplayChanges().changedRows, (std::vector<int>{depth, tape.TokenCount() - 1}));
    EXPECT_EQ(tape.Token(tape.TokenCount() - 1)->m_valueText, Sep("42.00000"));
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, Display, ::testing::Values('.', ','), calctest::SeparatorName);

} // namespace
