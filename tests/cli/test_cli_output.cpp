// Output as it is written: rows stream in flat memory, and a destination
// that refuses text stops the program with status 3, whatever refuses it.
#include <gtest/gtest.h>

#include <fcntl.h>

#include <string>
#include <vector>

#include "CliTestSupport.h"
#include "cli/Cli.h"
#include "units/Quantities.h"
#include "units/Units.h"

using clitest::RunStreamed;
using clitest::Streamed;
using cli::FindUnit;

namespace {

// Takes the first `room` bytes, then refuses everything.
class FillingOutput : public cli::Output {
public:
    explicit FillingOutput(std::size_t room) : room_(room) {}
    std::string taken;
    int deliveries = 0;

protected:
    bool Deliver(std::string_view text) override
    {
        ++deliveries;
        if (taken.size() + text.size() > room_)
            return false;
        taken.append(text);
        return true;
    }

private:
    std::size_t room_;
};

TEST(CliOutputStream, BuffersAndFailsForGood)
{
    FillingOutput out(100000);
    for (int i = 0; i < 1000; ++i)
        out += std::string(50, 'a');   // 50 kB: still in the buffer
    EXPECT_EQ(out.deliveries, 0);
    out.Flush();
    EXPECT_EQ(out.taken.size(), 50000u);
    // A long text goes on at once, and is refused.
    EXPECT_THROW(out += std::string(70000, 'b'), cli::OutputFailed);
    EXPECT_EQ(out.deliveries, 2);
    EXPECT_THROW(out += 'c', cli::OutputFailed);   // nothing more is tried
    EXPECT_THROW(out.Flush(), cli::OutputFailed);
    EXPECT_EQ(out.deliveries, 2);
    EXPECT_EQ(out.taken.size(), 50000u);

    cli::StringOutput text;
    text += "Gęstość";
    text += ' ';
    text += std::string(100000, 'x');
    EXPECT_EQ(text.Text().size(), std::string("Gęstość ").size() + 100000);
    EXPECT_EQ(text.Text().substr(0, 14), "Gęstość xxx");
}

TEST(CliOutputStream, RunCliStopsAtTheFirstRefusedBlock)
{
    FillingOutput out(200000);
    std::string err;
    EXPECT_EQ(cli::RunCli({"water", "--temperature", "0:100:0.01 st C", "--csv"}, out, err), cli::kExitOutputFailed);
    EXPECT_EQ(err, "zentaro-cli: cannot write the output\n");
    EXPECT_LE(out.taken.size(), 200000u);
    EXPECT_EQ(out.taken.rfind("temperature,", 0), 0u);
    // A usage error writes nothing, so nothing can fail.
    FillingOutput none(0);
    err.clear();
    EXPECT_EQ(cli::RunCli({"water", "--colour", "red"}, none, err), cli::kExitUsage);
    EXPECT_EQ(none.deliveries, 0);
    EXPECT_EQ(err.rfind("zentaro-cli water: unknown option --colour\n", 0), 0u);
}

TEST(CliOutputStream, RecordsAreAnObjectOrAnArray)
{
    cli::StringOutput text;
    cli::Context json(text);
    json.format = cli::OutputFormat::Json;
    cli::Record a;
    a.Number("t", 1);
    cli::Record b;
    b.Number("t", 2);
    cli::EmitRecords(json, {});
    EXPECT_EQ(text.Text(), "");
    cli::EmitRecords(json, {a});
    EXPECT_EQ(text.Text(), "{\"t\": 1}\n");
    cli::StringOutput array;
    cli::Context many(array);
    many.format = cli::OutputFormat::Json;
    cli::EmitRecords(many, {a, b, a});
    EXPECT_EQ(array.Text(), "[\n{\"t\": 1},\n{\"t\": 2},\n{\"t\": 1}\n]\n");
    cli::StringOutput csv;
    cli::Context rows(csv);
    rows.format = cli::OutputFormat::Csv;
    cli::EmitRecords(rows, {a, b});
    EXPECT_EQ(csv.Text(), "t\n1\n2\n");
}

TEST(CliOutputStream, ClosedPipeAndFullDiskAreWriteErrors)
{
    // Nobody reads: the first write meets a closed pipe.
    int closed[2];
    ASSERT_EQ(pipe(closed), 0);
    close(closed[0]);
    clitest::Run run = clitest::RunWithOutput({"water", "--temperature", "0:100:1 st C", "--csv"}, closed[1]);
    EXPECT_EQ(run.status, cli::kExitOutputFailed);
    EXPECT_EQ(run.err, "zentaro-cli: cannot write the output\n");
    // The same for the help, which is written whole at the end.
    ASSERT_EQ(pipe(closed), 0);
    close(closed[0]);
    run = clitest::RunWithOutput({"--help"}, closed[1]);
    EXPECT_EQ(run.status, cli::kExitOutputFailed);

    const int full = open("/dev/full", O_WRONLY);
    if (full < 0)
        GTEST_SKIP() << "no /dev/full";
    run = clitest::RunWithOutput({"steam", "--regime", "saturated", "--pressure", "1:200:1 kPa", "--json"}, full);
    EXPECT_EQ(run.status, cli::kExitOutputFailed);
    EXPECT_EQ(run.err, "zentaro-cli: cannot write the output\n");
}

TEST(CliOutputStream, ClosingThePipeHalfwayStopsTheSweep)
{
    // A reader that takes the first lines and goes, as head does.
    int out[2];
    int err[2];
    ASSERT_EQ(pipe(out), 0);
    ASSERT_EQ(pipe(err), 0);
    const pid_t pid = clitest::Spawn({"water", "--temperature", "0:99.9999:0.0001 st C", "--csv"}, "C", out[1], err[1]);
    char buffer[4096];
    ASSERT_GT(read(out[0], buffer, sizeof buffer), 0);
    close(out[0]);
    std::string message;
    for (ssize_t n; (n = read(err[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<std::size_t>(n));
    close(err[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_EQ(clitest::ExitStatus(status), cli::kExitOutputFailed);
    EXPECT_EQ(message, "zentaro-cli: cannot write the output\n");
}

// A million rows in every format: all of them arrive, well framed, while
// the program's peak memory stays flat. From 20 °C up, where no accuracy
// note adds a line to a table. Sanitizers keep memory of their
// own (shadow, quarantine), so there only the rows are checked.
#ifdef __SANITIZE_ADDRESS__
constexpr const char* kMillion = "20:20.99:0.01 st C";
constexpr double kLast = 20.99;
constexpr std::size_t kRows = 100;
constexpr long kPeakKilobytes = 0;
#else
constexpr const char* kMillion = "20:119.9999:0.0001 st C";
constexpr double kLast = 119.9999;
constexpr std::size_t kRows = 1000000;
constexpr long kPeakKilobytes = 20 * 1024;
#endif

void ExpectFlat(const Streamed& run)
{
    if (kPeakKilobytes != 0) {
        EXPECT_LT(run.peakKilobytes, kPeakKilobytes);
    }
    EXPECT_EQ(run.err, "");
}

TEST(CliOutputStream, MillionRowsAsCsvInFlatMemory)
{
    const Streamed run = RunStreamed({"water", "--pressure", "2 bar", "--temperature", kMillion, "--csv"});
    EXPECT_EQ(run.status, 0);
    ExpectFlat(run);
    EXPECT_EQ(run.lines, 1 + kRows);
    EXPECT_EQ(run.first.rfind("temperature,pressure,", 0), 0u);
    const std::string last = cli::MachineNumber(ToSI(kQuantityTemperature, FindUnit(kQuantityTemperature, "st C"), kLast));
    EXPECT_EQ(run.last.rfind(last + ",200000,", 0), 0u) << run.last;
}

TEST(CliOutputStream, MillionRowsAsJsonInFlatMemory)
{
    const Streamed run = RunStreamed({"water", "--pressure", "2 bar", "--temperature", kMillion, "--json"});
    EXPECT_EQ(run.status, 0);
    ExpectFlat(run);
    // "[", one object a line, "]".
    EXPECT_EQ(run.lines, kRows + 2);
    EXPECT_EQ(run.first, "[");
    EXPECT_EQ(run.last, "]");
}

TEST(CliOutputStream, MillionRowsAsTablesInFlatMemory)
{
    const Streamed run = RunStreamed({"water", "--pressure", "2 bar", "--temperature", kMillion});
    EXPECT_EQ(run.status, 0);
    ExpectFlat(run);
    // Caption and twelve properties, a blank line between tables.
    EXPECT_EQ(run.lines, kRows * 14 - 1);
    EXPECT_EQ(run.first, "Właściwości");
    EXPECT_EQ(run.last.rfind("Liczba Prandtla", 0), 0u);
}

} // namespace
