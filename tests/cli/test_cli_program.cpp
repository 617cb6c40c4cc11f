// The program as a user runs it: help, exit statuses, usage errors and
// the convert command.
#include <gtest/gtest.h>

#include "CliTestSupport.h"

using clitest::ParseJson;
using clitest::RunProgram;

namespace {

void ExpectUsageError(const std::vector<std::string>& args, const std::string& firstLine)
{
    const clitest::Run run = RunProgram(args);
    EXPECT_EQ(run.status, 2) << firstLine;
    EXPECT_EQ(run.out, "") << firstLine;
    const std::vector<std::string> lines = clitest::Lines(run.err);
    ASSERT_EQ(lines.size(), 2u) << run.err;
    EXPECT_EQ(lines[0], firstLine);
    EXPECT_EQ(lines[1].rfind("Try 'zentaro-cli", 0), 0u) << lines[1];
}

TEST(CliProgram, HelpForTheProgramAndEachCommand)
{
    const clitest::Run help = RunProgram({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_NE(help.out.find("Usage: zentaro-cli COMMAND"), std::string::npos);
    EXPECT_EQ(RunProgram({"help"}).out, help.out);
    EXPECT_EQ(RunProgram({"-h"}).out, help.out);
    // Every command the help lists has its own help with examples.
    std::size_t listed = 0;
    for (const std::string& line : clitest::Lines(help.out.substr(help.out.find("Commands:\n") + 10))) {
        if (line.empty())
            break;
        const std::string name = line.substr(2, line.find(' ', 2) - 2);
        ++listed;
        const clitest::Run sub = RunProgram({name, "--help"});
        EXPECT_EQ(sub.status, 0) << name;
        EXPECT_EQ(sub.out.rfind("Usage: zentaro-cli " + name, 0), 0u) << name;
        EXPECT_NE(sub.out.find("Examples:\n"), std::string::npos) << name;
        EXPECT_EQ(RunProgram({"help", name}).out, sub.out) << name;
    }
    EXPECT_GE(listed, 1u);
    EXPECT_EQ(RunProgram({"--version"}).out, "zentaro-cli " ZENTARO_DECLARED_VERSION "\n");
}

TEST(CliProgram, UsageErrorsOfTheProgram)
{
    ExpectUsageError({}, "zentaro-cli: missing command");
    ExpectUsageError({"boil"}, "zentaro-cli: unknown command \"boil\"");
    ExpectUsageError({"help", "boil"}, "zentaro-cli: unknown command \"boil\"");
    ExpectUsageError({"--help", "x"}, "zentaro-cli: unexpected argument \"x\"");
    ExpectUsageError({"convert", "1", "m", "km", "--json", "--csv"},
                     "zentaro-cli convert: --json and --csv exclude each other");
}

TEST(CliConvert, ConvertsAsTheConverterPage)
{
    clitest::Run run = RunProgram({"convert", "1", "mile", "m"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1 mile = 1609.34 m\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(RunProgram({"convert", "1", "mile", "m"}, "pl_PL.UTF-8").out, "1 mile = 1609,34 m\n");
    EXPECT_EQ(RunProgram({"convert", "2,5", "km", "m"}, "pl_PL.UTF-8").out, "2,5 km = 2500 m\n");
    EXPECT_EQ(ParseJson(RunProgram({"convert", "1", "mile/h", "m/s", "--json"}).out)["value"].number, 0.44704);
    EXPECT_EQ(ParseJson(RunProgram({"convert", "1", "kcal", "J", "--json"}, "pl_PL.UTF-8").out)["value"].number,
              4186.8);
    EXPECT_EQ(ParseJson(RunProgram({"convert", "1", "sq ft/h", "m^2/s", "--quantity", "3000", "--json"}).out)["value"]
                  .number,
              2.581e-05);
    // Temperature and temperature difference share unit names.
    EXPECT_EQ(RunProgram({"convert", "100", "st C", "st F", "--quantity", "Temperatura"}).out,
              "100 st C = 212 st F\n");
    EXPECT_EQ(RunProgram({"convert", "32", "st F", "K", "--quantity", "3100"}).out, "32 st F = 273.148 K\n");
    EXPECT_EQ(RunProgram({"convert", "9", "st F", "K", "--quantity", "3100"}).out, "9 st F = 260.37 K\n");
    EXPECT_EQ(RunProgram({"convert", "9", "st F", "K", "--quantity", "Różnica temperatury"}).out, "9 st F = 5 K\n");
    EXPECT_EQ(RunProgram({"convert", "0", "st Rank", "st C", "--quantity", "3100"}).out, "0 st Rank = -273.15 st C\n");
    EXPECT_EQ(RunProgram({"convert", "-5", "m", "mm", "--csv"}).out, "value\n-5000\n");
}

TEST(CliConvert, AResultTooLargeIsRefused)
{
    // Shown as the converter page shows it, with status 1 and the models'
    // message on standard error.
    clitest::Run run = RunProgram({"convert", "1e308", "km", "m"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "1e+308 km = inf m\n");
    EXPECT_EQ(run.err, "zentaro-cli convert: 1e+308 km in m: Wartość nie jest liczbą skończoną\n");
    run = RunProgram({"convert", "-1,5e308", "km", "mm", "--json"}, "pl_PL.UTF-8");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(ParseJson(run.out)["value"].string, "-inf");
    EXPECT_EQ(run.err, "zentaro-cli convert: -1,5e+308 km in mm: Wartość nie jest liczbą skończoną\n");
    run = RunProgram({"convert", "1e308", "st F", "st C", "--quantity", "3100", "--csv"});
    EXPECT_EQ(run.status, 0);   // 5/9 of it fits
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(RunProgram({"convert", "1e-300", "mm", "km"}).status, 0);   // to 0 is no overflow
}

TEST(CliConvert, UsageErrors)
{
    ExpectUsageError({"convert", "1", "m"}, "zentaro-cli convert: missing arguments (3 needed)");
    ExpectUsageError({"convert", "x", "m", "km"}, "zentaro-cli convert: value: \"x\" is not a number");
    ExpectUsageError({"convert", "1e400", "m", "km"}, "zentaro-cli convert: value: \"1e400\" is not a finite number");
    ExpectUsageError({"convert", "1", "K", "st C"},
                     "zentaro-cli convert: units \"K\" and \"st C\" belong to several quantities (Temperatura "
                     "(3100), Różnica temperatury (3500)); choose one with --quantity");
    ExpectUsageError({"convert", "1", "mile", "kg"},
                     "zentaro-cli convert: target unit \"kg\" is not a unit of Długość (1000); valid units: m, mm, "
                     "cm, km, in, ft, yd, mile, n mile");
    ExpectUsageError({"convert", "1", "foo", "bar2"},
                     "zentaro-cli convert: no quantity has both units \"foo\" and \"bar2\"; give --quantity to see "
                     "its units");
    ExpectUsageError({"convert", "1", "m", "kg", "--quantity", "1000"},
                     "zentaro-cli convert: target unit \"kg\" is not a unit of Długość (1000); valid units: m, mm, "
                     "cm, km, in, ft, yd, mile, n mile");
    const clitest::Run q = RunProgram({"convert", "1", "m", "km", "--quantity", "Nic"});
    EXPECT_EQ(q.status, 2);
    EXPECT_EQ(q.err.rfind("zentaro-cli convert: --quantity: unknown quantity \"Nic\"; quantities: Długość (1000), ", 0),
              0u);
}

} // namespace
