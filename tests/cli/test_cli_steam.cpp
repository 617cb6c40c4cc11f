// steam against the figures of the steam model: the order of the setters,
// units on values, JSON read back, CSV rows, exit statuses.
#include <gtest/gtest.h>

#include <string>

#include "CliTestSupport.h"
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

// ---------------------------------------------------------------- steam

TEST(CliSteam, WetSaturatedAndDryness)
{
    Result r = JsonRun({"steam", "--regime", "wet", "--temperature", "100 st C"});
    EXPECT_EQ(r.status, 0);
    const Json& j = r.json;
    EXPECT_EQ(j.Keys(), (std::vector<std::string>{"regime", "temperature", "pressure", "dryness", "mass_flow",
                                                   "enthalpy", "specific_volume", "water_volume",
                                                   "heat_of_vaporisation", "dynamic_viscosity", "kinematic_viscosity",
                                                   "messages", "limit_text", "notes"}));
    EXPECT_EQ(j["regime"].number, 0);
    EXPECT_NEAR(j["pressure"].number, 101347.789, 5e-4);
    EXPECT_NEAR(j["enthalpy"].number, 2675848.1, 0.05);
    EXPECT_NEAR(j["heat_of_vaporisation"].number, 2257760.6, 0.05);
    EXPECT_NEAR(j["specific_volume"].number, 1.672209, 5e-7);
    EXPECT_NEAR(j["water_volume"].number, 0.00104369, 5e-9);
    EXPECT_NEAR(j["dynamic_viscosity"].number, 1.06714e-05, 5e-11);
    EXPECT_EQ(Messages(j), (std::vector<double>{0, 0}));

    r = JsonRun({"steam", "--regime", "saturated", "--pressure", "22060000"});
    EXPECT_NEAR(r.json["temperature"].number, 647.1755, 5e-5);
    EXPECT_EQ(r.json["regime"].number, 1);

    // Dryness 0 gives the water's enthalpy; 1.5 is refused and zeroes all.
    r = JsonRun({"steam", "--temperature", "373.15", "--dryness", "0"});
    EXPECT_NEAR(r.json["enthalpy"].number, 2675848.1 - 2257760.6, 0.1);
    EXPECT_NEAR(r.json["specific_volume"].number, 0.00104369, 5e-9);
    r = JsonRun({"steam", "--temperature", "373.15", "--dryness", "1.5"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Messages(r.json), (std::vector<double>{0, kMsgDrynessOutOfRange}));
    EXPECT_EQ(r.json["dryness"].number, 1);
    EXPECT_EQ(r.json["enthalpy"].number, 0);

    r = JsonRun({"steam", "--regime", "wet", "--temperature", "260"});
    EXPECT_EQ(Messages(r.json), (std::vector<double>{0, kMsgTemperatureBelowMinimum}));
    EXPECT_EQ(r.json["limit_text"].string, "   273.15 K");
    EXPECT_NEAR(r.json["pressure"].number, 222.6, 0.05);

    const clitest::Run table = RunProgram({"steam", "--regime", "wet", "--temperature", "100 st C"});
    EXPECT_EQ(clitest::Lines(table.out).at(0), "Właściwości");
    EXPECT_EQ(clitest::Lines(table.out).at(1), "Para nasycona mokra");
    EXPECT_TRUE(HasLine(table.out, "Ciepło parowania        2.25776e+06 J/kg")) << table.out;
}

TEST(CliSteam, SuperheatedSetterOrderMatters)
{
    // Temperature, then pressure (the page's own order): both accepted.
    Result tp = JsonRun({"steam", "--regime", "superheated", "--temperature", "800", "--pressure", "10 bar"});
    EXPECT_EQ(tp.status, 0);
    EXPECT_EQ(Messages(tp.json), (std::vector<double>{0, 0, 0}));
    EXPECT_NEAR(tp.json["enthalpy"].number, 3536290.0, 0.05);
    EXPECT_NEAR(tp.json["specific_volume"].number, 0.366739, 5e-7);
    EXPECT_EQ(tp.json["water_volume"].number, 0);
    EXPECT_EQ(tp.json["heat_of_vaporisation"].number, 0);
    EXPECT_EQ(tp.json["regime"].number, 2);
    // Pressure first: the fresh model holds 0 K, whose saturation pressure
    // is 0, so the pressure is refused (though stored); the temperature
    // then computes the same state. Status 1 all the same.
    Result pt = JsonRun({"steam", "--regime", "superheated", "--pressure", "10 bar", "--temperature", "800"});
    EXPECT_EQ(pt.status, 1);
    EXPECT_EQ(Messages(pt.json), (std::vector<double>{0, kMsgPressureAboveSaturation, 0}));
    EXPECT_EQ(pt.json["enthalpy"].number, tp.json["enthalpy"].number);

    // At 440 K each order trips a different bound: pressure first, the
    // temperature lies below the saturation temperature at 1 MPa...
    pt = JsonRun({"steam", "--regime", "superheated", "--pressure", "1e6", "--temperature", "440"});
    EXPECT_EQ(Messages(pt.json), (std::vector<double>{0, kMsgPressureAboveSaturation, kMsgTemperatureBelowSaturation}));
    EXPECT_EQ(pt.json["limit_text"].string, "   453.06 K");
    EXPECT_EQ(pt.json["enthalpy"].number, 0);
    // ...temperature first, the pressure lies above the saturation
    // pressure at 440 K.
    tp = JsonRun({"steam", "--regime", "superheated", "--temperature", "440", "--pressure", "1e6"});
    EXPECT_EQ(Messages(tp.json), (std::vector<double>{0, 0, kMsgPressureAboveSaturation}));
    const std::string limit = tp.json["limit_text"].string;
    ASSERT_GE(limit.size(), 4u);
    EXPECT_EQ(limit.substr(limit.size() - 4), " kPa");
    EXPECT_NEAR(std::stod(limit), 733, 5);

    const Result hi = JsonRun({"steam", "--regime", "2", "--temperature", "800", "--pressure", "40 MPa"});
    EXPECT_EQ(Messages(hi.json), (std::vector<double>{0, 0, kMsgPressureAboveMaximum}));
    EXPECT_EQ(hi.json["limit_text"].string, "    30.00 MPa");
    const Result sat = JsonRun({"steam", "--regime", "superheated", "--temperature", "200 st C", "--pressure", "2e6"});
    EXPECT_EQ(sat.json["limit_text"].string, "  1553.80 kPa");

    // The superheated table has no dryness, water volume or heat of
    // vaporisation lines.
    const clitest::Run table =
        RunProgram({"steam", "--regime", "superheated", "--temperature", "800", "--pressure", "1e6"});
    EXPECT_EQ(clitest::Lines(table.out).at(1), "Para przegrzana");
    EXPECT_EQ(table.out.find("Suchość"), std::string::npos);
    EXPECT_EQ(table.out.find("Ciepło parowania"), std::string::npos);
}

TEST(CliSteam, RowsAndUsageErrors)
{
    const clitest::Run csv = RunProgram({"steam", "--regime", "saturated", "--pressure", "1:20:1 bar", "--csv"});
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(clitest::Lines(csv.out).size(), 21u);
    EXPECT_EQ(clitest::Lines(csv.out)[1].rfind("1,", 0), 0u);
    ExpectUsage({"steam", "--regime", "dry"},
                "zentaro-cli steam: --regime: \"dry\" is not one of wet, saturated, superheated");
    ExpectUsage({"steam", "--dryness", "0.5 kg"},
                "zentaro-cli steam: --dryness: unknown unit \"kg\"; valid units: bez miana");
}

} // namespace
