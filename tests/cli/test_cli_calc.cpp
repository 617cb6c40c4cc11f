// calc against the calculator page's figures: the tape lines exactly as
// the page shows them, carried results, brackets, formats and settings.
#include <gtest/gtest.h>

#include "CliTestSupport.h"

using clitest::Json;
using clitest::ParseJson;
using clitest::RunProgram;

namespace {

const std::string kPl = "pl_PL.UTF-8";

// A number line as the page shows it: a tab, then the separator in column
// 21 after the tab stop.
std::string Num(const std::string& text)
{
    const std::size_t p = text.find_first_of(",.");
    const std::size_t n = p == std::string::npos ? 22 : (21 > p ? 21 - p : 0);
    std::string line(1, '\t');
    line.append(n, ' ');
    line += text;
    return line;
}
std::string Res(const std::string& text)
{
    std::string line(1, '=');
    line += Num(text);
    return line;
}
std::string Op(const std::string& sign) { return "\t       " + sign; }

std::vector<std::string> Tape(const std::vector<std::string>& args, const std::string& locale = kPl)
{
    std::vector<std::string> all = {"calc"};
    all.insert(all.end(), args.begin(), args.end());
    const clitest::Run run = RunProgram(all, locale);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    return clitest::Lines(run.out);
}

Json TapeJson(const std::vector<std::string>& args, const std::string& locale = kPl)
{
    std::vector<std::string> all = {"calc", "--json"};
    all.insert(all.end(), args.begin(), args.end());
    const clitest::Run run = RunProgram(all, locale);
    EXPECT_EQ(run.status, 0) << run.err;
    return ParseJson(run.out);
}

std::vector<std::string> Strings(const Json& array)
{
    std::vector<std::string> out;
    for (const Json& v : array.array)
        out.push_back(v.string);
    return out;
}

using Lines = std::vector<std::string>;

TEST(CliCalc, ResultsAndCarriedResults)
{
    EXPECT_EQ(Tape({"C"}), Lines{Num("0,")});   // the fresh tape
    EXPECT_EQ(Tape({"2", "+", "3", "="}), (Lines{Num("2,"), Op("+"), Num("3,"), Res("5,00000")}));
    EXPECT_EQ(Tape({"2 + 3 = * 4 ="}),
              (Lines{Num("2,"), Op("+"), Num("3,"), Res("5,00000"), Num("5,00000"), Op("*"), Num("4,"),
                     Res("20,00000")}));
    // The carried number is the printed 0,33333.
    EXPECT_EQ(Tape({"1 / 3 = * 3 ="}).back(), Res("0,99999"));
    EXPECT_EQ(Tape({"2 + 3 ="}, "C"), (Lines{Num("2."), Op("+"), Num("3."), Res("5.00000")}));

    const Json j = TapeJson({"2 + 3 = * 4 ="});
    EXPECT_EQ(j.Keys(), (std::vector<std::string>{"lines", "cursor", "results"}));
    EXPECT_EQ(j["lines"].array.size(), 8u);
    EXPECT_EQ(j["lines"].array[3].string, Res("5,00000"));
    EXPECT_EQ(j["cursor"].number, 7);
    EXPECT_EQ(Strings(j["results"]), (std::vector<std::string>{"5,00000", "20,00000"}));
}

TEST(CliCalc, BracketsAndFunctions)
{
    // "=" closes the open bracket by itself.
    EXPECT_EQ(Tape({"( 2 + 3 ="}).back(), Res("5,00000"));
    // A trailing operator is dropped; "=" again leaves one result line.
    EXPECT_EQ(Tape({"2 + ="}), (Lines{Num("2,"), Res("2,00000")}));
    EXPECT_EQ(Tape({"2 + = ="}), (Lines{Num("2,"), Res("2,00000")}));
    // The number before a function key is discarded.
    EXPECT_EQ(Tape({"2 sin 30 ) ="}), (Lines{"   sin(", Num("30,"), "      )", Res("0,50000")}));
    EXPECT_EQ(Tape({"2 + sin 30 ) ="}),
              (Lines{Num("2,"), Op("+"), "   sin(", Num("30,"), "      )", Res("2,50000")}));
    EXPECT_EQ(Tape({"2 + ( )"}), (Lines{Num("2,"), Op("+")}));
    EXPECT_EQ(Tape({"2 + -"}), (Lines{Num("2,"), Op("-")}));
    EXPECT_EQ(Tape({") 2"}), Lines{Num("2,")});   // ")" with no open bracket does nothing
    EXPECT_EQ(Tape({"sin 30 ) 7"}).back(), "      )");
    EXPECT_EQ(Tape({"tan 90 ) ="}).back(), Res("inf"));
    EXPECT_EQ(Tape({"--angle", "rad", "cos PI ) ="}).back(), Res("-1,00000"));
    EXPECT_EQ(Tape({"Grad cos 200 ) ="}).back(), Res("-1,00000"));
    EXPECT_EQ(Tape({"--y", "10", "X^Y 2 ) ="}).back(), Res("1024,00000"));
    EXPECT_EQ(Tape({"y:3 X^1/Y 27 ) ="}).back(), Res("3,00000"));
    EXPECT_EQ(Tape({"SQRT 16 ) ="}, "C").back(), Res("4.00000"));
}

TEST(CliCalc, FormatsAndSettings)
{
    EXPECT_EQ(Tape({"--no-fix", "5 ="}).back(), Res("5,00000e+00"));
    EXPECT_EQ(Tape({"Fix 5 ="}).back(), Res("5,00000e+00"));   // the key toggles the box
    EXPECT_EQ(Tape({"--decimals", "0", "5 ="}).back(), Res("5,"));
    EXPECT_EQ(Tape({"5 = dec:2"}).back(), Res("5,00"));   // recomputes the cursor's expression
    EXPECT_EQ(Tape({"1 EXP 12 ="}).back(), Res("1,00000e+12"));
    EXPECT_EQ(Tape({"999999999999 ="}).back(), Res("999999999999,00000"));
    // Unit conversion with the pair of the chosen units.
    EXPECT_EQ(Tape({"--quantity", "Temperatura", "--unit-a", "st C", "--unit-b", "K", "A->B 20 ) ="}).back(),
              Res("293,15000"));
    EXPECT_EQ(Tape({"--unit-a", "km", "--unit-b", "m", "B->A 1500 ) ="}).back(), Res("1,50000"));
}

TEST(CliCalc, SelectionPasteAndInfo)
{
    // Retyping a selected number recomputes its result at once.
    EXPECT_EQ(Tape({"2 + 3 = select:2 5"}), (Lines{Num("2,"), Op("+"), Num("35,"), Res("37,00000")}));
    EXPECT_EQ(Tape({"2 + paste:2,5"}).back(), Num("2,50000"));
    EXPECT_EQ(Tape({"7 select:0 paste:abc"}), Lines{Num("0,")});
    // "=" on an earlier line moves to that expression's result.
    const Json j = TapeJson({"2 + 3 = select:0 ="});
    EXPECT_EQ(j["cursor"].number, 3);

    const clitest::Run info = RunProgram({"calc", "2 + 3 = Info"}, kPl);
    EXPECT_EQ(info.out, Num("2,") + "\n" + Op("+") + "\n" + Num("3,") + "\n" + Res("5,00000") +
                            "\n\nPośredni wynik obliczeń:\n5,00000\n");
    const Json ji = TapeJson({"2 + 3 = Info"});
    EXPECT_EQ(Strings(ji["info"]), (std::vector<std::string>{"Pośredni wynik obliczeń:\n5,00000"}));
}

TEST(CliCalc, DeepNestingEndsCleanlyWithBoundedOutput)
{
    // Brackets by the ten thousand: each line stays as short as at an
    // ordinary depth, and the result is computed.
    std::string brackets;
    for (int i = 0; i < 35000; ++i)
        brackets += "( ";
    const Lines open = Tape({brackets, brackets});
    ASSERT_EQ(open.size(), 70000u);
    EXPECT_EQ(open.front(), "      (");
    for (const std::string& line : open)
        ASSERT_LE(line.size(), 40u);

    const Lines closed = Tape({brackets.substr(0, 2 * 30000), "1 ="});
    ASSERT_EQ(closed.size(), 60002u);
    EXPECT_EQ(closed.back(), Res("1,00000"));
    EXPECT_EQ(closed[30000], Num("1,"));
    // The innermost pair, deeper than the indentation goes, lines up as
    // the outermost does: each closing bracket under its opening one.
    for (const std::size_t opening : {std::size_t{0}, std::size_t{29999}}) {
        std::string under = closed[opening];
        under.back() = ')';
        EXPECT_EQ(closed[60000 - opening], under) << opening;
    }
}

TEST(CliCalc, UsageErrors)
{
    auto expect = [](const std::vector<std::string>& args, const std::string& message) {
        const clitest::Run run = RunProgram(args);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(clitest::Lines(run.err).at(0), message);
    };
    expect({"calc"}, "zentaro-cli calc: no keys given");
    expect({"calc", "2 % 3"}, "zentaro-cli calc: unknown key \"%\"; see zentaro-cli calc --help for the keys");
    expect({"calc", "2 + select:5"}, "zentaro-cli calc: key \"select:5\": the tape has only 2 lines at that point");
    expect({"calc", "--angle", "turns", "1"}, "zentaro-cli calc: --angle: \"turns\" is not one of deg, rad, grad");
    expect({"calc", "--decimals", "12", "1"}, "zentaro-cli calc: --decimals: \"12\" is not a whole number from 0 to 11");
    expect({"calc", "--unit-a", "st C", "--unit-b", "K", "1"},
           "zentaro-cli calc: units \"st C\" and \"K\" belong to several quantities (Temperatura (3100), Różnica "
           "temperatury (3500)); choose one with --quantity");
    expect({"calc", "--csv", "1"}, "zentaro-cli calc: unknown option --csv");
}

} // namespace
