// air against the figures of the humid-air model: the input mode, units on
// values, JSON read back, CSV rows, exit statuses.
#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "base/StringTable.h"
#include "media/AccuracyNotes.h"
#include "media/Messages.h"

using clitest::Json;
using clitest::ParseJson;
using clitest::RunProgram;
using clitest::ExpectUsage;
using clitest::HasLine;
using clitest::JsonRun;
using clitest::Messages;
using clitest::Result;

namespace {

// ------------------------------------------------------------------ air

TEST(CliAir, FiftyPercentAtTwentyDegrees)
{
    const Result r = JsonRun({"air", "--temperature", "20 st C", "--relative-humidity", "50 %"});
    EXPECT_EQ(r.status, 0);
    const Json& j = r.json;
    EXPECT_EQ(j.Keys(), (std::vector<std::string>{"barometric_pressure", "temperature", "relative_humidity",
                                                   "moisture_content", "mass_flow", "enthalpy", "specific_volume",
                                                   "vapour_pressure", "dew_point", "wet_bulb_temperature",
                                                   "dynamic_viscosity", "kinematic_viscosity", "messages",
                                                   "limit_text", "notes"}));
    EXPECT_EQ(j["barometric_pressure"].number, 100000);
    EXPECT_NEAR(j["moisture_content"].number, 0.00735879, 5e-9);
    EXPECT_NEAR(j["enthalpy"].number, 38790.72, 5e-3);
    EXPECT_NEAR(j["specific_volume"].number, 0.846147, 5e-7);
    EXPECT_NEAR(j["vapour_pressure"].number, 1169.252, 5e-4);
    EXPECT_NEAR(j["dew_point"].number, 282.4257, 5e-4);
    EXPECT_NEAR(j["wet_bulb_temperature"].number, 286.8472, 5e-4);
    EXPECT_NEAR(j["dynamic_viscosity"].number, 1.815942e-05, 5e-12);
    EXPECT_NEAR(j["kinematic_viscosity"].number, 1.536554e-05, 5e-12);
    EXPECT_EQ(Messages(j), (std::vector<double>{0, 0}));
}

TEST(CliAir, InputModeAndMoistureContent)
{
    Result r = JsonRun({"air", "--temperature", "293.15", "--moisture-content", "10 g/kg"});
    EXPECT_NEAR(r.json["moisture_content"].number, 0.0099999, 1e-12);
    EXPECT_NEAR(r.json["relative_humidity"].number, 67.6613, 5e-5);
    // The mode set before a temperature makes it keep the moisture content.
    r = JsonRun({"air", "--temperature", "293.15", "--moisture-content", "0.01", "--mode", "x", "--temperature",
                 "293.15"});
    EXPECT_NEAR(r.json["relative_humidity"].number, 67.6607, 5e-5);
    EXPECT_EQ(Messages(r.json), (std::vector<double>{0, 0, 0}));   // --mode calls no setter
    r = JsonRun({"air", "--mode", "x", "--temperature", "250"});
    EXPECT_EQ(Messages(r.json), (std::vector<double>{kMsgTemperatureBelowDewPoint}));
    r = JsonRun({"air", "--temperature", "250"});
    EXPECT_EQ(Messages(r.json), (std::vector<double>{kMsgTemperatureBelowMinimum}));
    EXPECT_EQ(r.json["limit_text"].string, "   253.15 K");
}

TEST(CliAir, BarometricPressureAndRefusals)
{
    Result r = JsonRun({"air", "--temperature", "372", "--barometric-pressure", "960 hPa"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Messages(r.json), (std::vector<double>{0, kMsgTemperatureAboveMaximum}));
    EXPECT_EQ(r.json["limit_text"].string, "   371.64 K");
    EXPECT_EQ(r.json["enthalpy"].number, 0);
    r = JsonRun({"air", "--barometric-pressure", "1050 hPa"});
    EXPECT_EQ(r.json["limit_text"].string, "     1040 hPa");
    r = JsonRun({"air", "--temperature", "293.15", "--relative-humidity", "120"});
    EXPECT_EQ(Messages(r.json), (std::vector<double>{0, kMsgHumidityAbove100}));
    EXPECT_EQ(r.json["relative_humidity"].number, 120);
    EXPECT_EQ(r.json["moisture_content"].number, 0);

    // Dew point below the saturation line's range reads "< 253.15" as on the page.
    const clitest::Run cold = RunProgram({"air", "--temperature", "263.15", "--relative-humidity", "20"}, "pl_PL.UTF-8");
    EXPECT_EQ(cold.status, 0);
    EXPECT_NE(cold.out.find("Temperatura punktu rosy       < 253,15 K"), std::string::npos) << cold.out;

    const clitest::Run csv = RunProgram({"air", "--temperature", "-10:40:0.5 st C", "--relative-humidity", "40:60:10",
                                         "--csv"});
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(clitest::Lines(csv.out).size(), 1u + 101 * 3);
    ExpectUsage({"air", "--mode", "phi"}, "zentaro-cli air: --mode: \"phi\" is neither rh nor x");
    ExpectUsage({"air", "--relative-humidity", "50 kg"},
                "zentaro-cli air: --relative-humidity: unknown unit \"kg\"; valid units: %");
}

std::vector<std::string> Notes(const Json& j)
{
    std::vector<std::string> notes;
    for (const Json& note : j["notes"].array)
        notes.push_back(note.string);
    return notes;
}

TEST(CliMediumNotes, BelowRangeIsNoNumber)
{
    Result r = JsonRun({"air", "--temperature", "263.15", "--relative-humidity", "20"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.json["dew_point"].type, Json::Type::Null);
    EXPECT_NEAR(r.json["wet_bulb_temperature"].number, 260.478, 5e-4);
    // In CSV an empty field, not 0.
    const clitest::Run csv =
        RunProgram({"air", "--temperature", "263.15", "--relative-humidity", "10:20:10", "--csv"});
    const std::vector<std::string> lines = clitest::Lines(csv.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("barometric_pressure,temperature,relative_humidity,moisture_content,mass_flow,enthalpy,"
                             "specific_volume,vapour_pressure,dew_point,wet_bulb_temperature,",
                             0),
              0u)
        << lines[0];
    for (const std::string& line : {lines[1], lines[2]})
        EXPECT_NE(line.find(",,2"), std::string::npos) << line;   // dew point empty, wet bulb near 260 K
}

TEST(CliMediumNotes, NotesAppearAndDisappearWithTheState)
{
    const std::string belowFreezing = LoadText(kNoteAirBelowFreezing);
    EXPECT_EQ(Notes(JsonRun({"air", "--temperature", "20 st C", "--relative-humidity", "50"}).json),
              std::vector<std::string>{});
    EXPECT_EQ(Notes(JsonRun({"air", "--temperature", "2 st C", "--relative-humidity", "50"}).json),
              std::vector<std::string>{belowFreezing});
    // Nothing shown, nothing to qualify.
    EXPECT_EQ(Notes(JsonRun({"air", "--temperature", "2 st C", "--relative-humidity", "120"}).json),
              std::vector<std::string>{});
    // The readable table ends with the note.
    const clitest::Run table = RunProgram({"air", "--temperature", "2 st C", "--relative-humidity", "50"});
    EXPECT_EQ(clitest::Lines(table.out).back(), belowFreezing) << table.out;

    // Water and steam carry theirs in the same list.
    EXPECT_EQ(Notes(JsonRun({"water", "--temperature", "5 st C"}).json),
              std::vector<std::string>{LoadText(kNoteWaterExpansion)});
    EXPECT_EQ(Notes(JsonRun({"water", "--temperature", "20 st C"}).json), std::vector<std::string>{});
    const std::vector<std::string> steam = Notes(
        JsonRun({"steam", "--regime", "saturated", "--pressure", "100 bar"}).json);
    EXPECT_EQ(steam, (std::vector<std::string>{LoadText(kNoteSaturatedViscosity), LoadText(kNoteSaturatedVolume),
                                               LoadText(kNoteSaturatedHighPressure)}));
    EXPECT_EQ(Notes(JsonRun({"steam", "--regime", "superheated", "--pressure", "10 bar", "--temperature", "800"})
                        .json),
              std::vector<std::string>{});
}

} // namespace
