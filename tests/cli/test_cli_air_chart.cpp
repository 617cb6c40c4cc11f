// air --chart: the h-x chart written as SVG beside the usual output, with
// the state the options leave, at their barometric pressure.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliTestSupport.h"

using clitest::ExpectUsage;
using clitest::RunProgram;

namespace {

class CliAirChart : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/zentaro-chart-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string Path(const std::string& name) const { return (folder / name).string(); }
    static std::string Read(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    std::filesystem::path folder;
};

TEST_F(CliAirChart, TheStateAtItsPressureBesideTheTable)
{
    const std::string path = Path("hx.svg");
    const clitest::Run run = RunProgram({"air", "--barometric-pressure", "980 hPa", "--temperature", "26 st C",
                                         "--relative-humidity", "55", "--chart", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("Temperatura"), std::string::npos);  // the table as ever
    const std::string svg = Read(path);
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg", 0), 0u);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    EXPECT_NE(svg.find("width=\"900.00\" height=\"700.00\""), std::string::npos);
    EXPECT_NE(svg.find("<title>Wykres h-x powietrza wilgotnego, p = 980 hPa</title>"), std::string::npos);
    EXPECT_NE(svg.find("<circle"), std::string::npos);  // the state
    EXPECT_NE(svg.find(">punkt rosy "), std::string::npos);
}

TEST_F(CliAirChart, ARefusedStateIsNotDrawnButTheChartIs)
{
    const std::string path = Path("refused.svg");
    const clitest::Run run = RunProgram({"air", "--temperature", "300", "--relative-humidity", "120", "--chart", path});
    EXPECT_EQ(run.status, 1);
    const std::string svg = Read(path);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    EXPECT_EQ(svg.find("<circle"), std::string::npos);
}

TEST_F(CliAirChart, TextsTakeTheLocalesSeparatorCoordinatesAFullStop)
{
    const std::string path = Path("pl.svg");
    const clitest::Run run = RunProgram(
        {"air", "--temperature", "20 st C", "--relative-humidity", "50", "--chart", path, "--json"}, "pl_PL.UTF-8");
    EXPECT_EQ(run.status, 0);
    const std::string svg = Read(path);
    EXPECT_NE(svg.find(">punkt rosy 9,3 °C</text>"), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 900.00 700.00\""), std::string::npos);
    EXPECT_NE(run.out.find("\"dew_point\": 282.42"), std::string::npos);  // JSON keeps its full stop
}

TEST_F(CliAirChart, RangesAndUnwritableFilesAreRefusedWithNothingWritten)
{
    const std::string path = Path("range.svg");
    ExpectUsage({"air", "--temperature", "20:30:5 st C", "--chart", path},
                "zentaro-cli air: --chart draws one state: --temperature is a range");
    EXPECT_FALSE(std::filesystem::exists(path));
    ExpectUsage({"air", "--temperature", "300", "--chart", Path("no/such/folder/hx.svg")},
                "zentaro-cli air: --chart: cannot write \"" + Path("no/such/folder/hx.svg") + "\"");
    ExpectUsage({"air", "--temperature", "300", "--chart="}, "zentaro-cli air: --chart: no file name");
}

} // namespace
