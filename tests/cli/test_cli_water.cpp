// water against the figures of the water model: units on values, JSON read
// back, CSV rows, exit statuses.
#include <gtest/gtest.h>

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

// ---------------------------------------------------------------- water

TEST(CliWater, PropertiesAtTwentyDegrees)
{
    const Result r = JsonRun({"water", "--temperature", "20 st C"});
    EXPECT_EQ(r.status, 0);
    const Json& j = r.json;
    EXPECT_EQ(j.Keys(), (std::vector<std::string>{"temperature", "pressure", "mass_flow", "density", "expansion",
                                                   "specific_heat", "enthalpy", "conductivity", "dynamic_viscosity",
                                                   "kinematic_viscosity", "surface_tension", "prandtl", "messages",
                                                   "limit_text", "notes"}));
    EXPECT_DOUBLE_EQ(j["temperature"].number, 293.15);
    EXPECT_EQ(j["pressure"].number, 100000);
    EXPECT_EQ(j["mass_flow"].number, 1);
    EXPECT_NEAR(j["density"].number, 998.316, 5e-4);
    EXPECT_NEAR(j["expansion"].number, 0.00020201, 5e-9);
    EXPECT_NEAR(j["specific_heat"].number, 4184.72, 5e-3);
    EXPECT_NEAR(j["enthalpy"].number, 83872.2, 0.05);
    EXPECT_NEAR(j["conductivity"].number, 0.603632, 5e-7);
    EXPECT_NEAR(j["dynamic_viscosity"].number, 0.00100131, 5e-9);
    EXPECT_NEAR(j["kinematic_viscosity"].number, 1.003e-06, 5e-10);
    EXPECT_NEAR(j["prandtl"].number, 6.94185, 5e-6);
    EXPECT_NEAR(j["surface_tension"].number, 0.0728104, 5e-8);
    EXPECT_EQ(Messages(j), (std::vector<double>{0}));
    EXPECT_EQ(j["limit_text"].string, "");

    // The same in kelvin, Fahrenheit and with a decimal comma.
    EXPECT_EQ(JsonRun({"water", "--temperature", "293.15"}).json["density"].number, j["density"].number);
    // Fahrenheit goes through the catalogue's pair (5/9, 255.37), so 68 st F
    // is 293.148 K, not 293.15 K.
    EXPECT_EQ(JsonRun({"water", "--temperature", "68 st F"}).json["temperature"].number,
              0.5555555555555556 * 68 + 255.37);
    EXPECT_EQ(JsonRun({"water", "--temperature", "20,0 st C"}, "pl_PL.UTF-8").json["density"].number,
              j["density"].number);

    const clitest::Run table = RunProgram({"water", "--temperature", "20 st C"}, "pl_PL.UTF-8");
    EXPECT_EQ(table.status, 0);
    EXPECT_EQ(clitest::Lines(table.out).at(0), "Właściwości");
    // Labelled as on the page.
    EXPECT_TRUE(HasLine(table.out, "Gęstość                      998,316 kg/m^3")) << table.out;
    EXPECT_TRUE(HasLine(table.out, "Rozszerzalność obj.      0,000202009 1/K")) << table.out;
    EXPECT_TRUE(HasLine(table.out, "Liczba Prandtla              6,94185 bez miana")) << table.out;
}

TEST(CliWater, NonFiniteValuesAreRefusedByTheModel)
{
    Result r = JsonRun({"water", "--temperature", "300", "--temperature", "inf", "--pressure", "1e308 bar"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Messages(r.json), (std::vector<double>{0, kMsgValueNotFinite, kMsgValueNotFinite}));
    EXPECT_EQ(r.json["temperature"].number, 300);   // nothing of the refused values is held
    EXPECT_EQ(r.json["pressure"].number, 100000);
    EXPECT_EQ(r.json["limit_text"].string, "");

    const clitest::Run table = RunProgram({"water", "--temperature", "nan st C"}, "pl_PL.UTF-8");
    EXPECT_EQ(table.status, 1);
    EXPECT_TRUE(HasLine(table.out, "--temperature nan st C: Wartość nie jest liczbą skończoną")) << table.out;
    EXPECT_TRUE(HasLine(table.out, "Wartość nie jest liczbą skończoną")) << table.out;
}

TEST(CliWater, RefusedValuesAndTheirMessages)
{
    Result r = JsonRun({"water", "--temperature", "300", "--temperature", "500"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Messages(r.json), (std::vector<double>{0, kMsgTemperatureAboveMaximum}));
    EXPECT_EQ(r.json["limit_text"].string, "   423.15 K");
    EXPECT_EQ(r.json["temperature"].number, 500);   // the refused value is held
    EXPECT_EQ(r.json["density"].number, JsonRun({"water", "--temperature", "300"}).json["density"].number);

    // Machine output has a full stop whatever the locale.
    r = JsonRun({"water", "--temperature", "273.149"}, "pl_PL.UTF-8");
    EXPECT_EQ(Messages(r.json), (std::vector<double>{kMsgTemperatureBelowMinimum}));
    EXPECT_EQ(r.json["limit_text"].string, "   273.15 K");

    r = JsonRun({"water", "--temperature", "300", "--pressure", "0.5 bar"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Messages(r.json), (std::vector<double>{0, kMsgPressureBelowMinimum}));
    EXPECT_EQ(r.json["limit_text"].string, "   100 kPa");
    EXPECT_EQ(r.json["pressure"].number, 100000);
    r = JsonRun({"water", "--pressure", "2e7"});
    EXPECT_EQ(r.json["limit_text"].string, "    10 MPa");
    r = JsonRun({"water", "--temperature", "423.15", "--pressure", "1e7", "--mass-flow", "-3 kg/s"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.json["mass_flow"].number, -3);

    // The readable table: the refusal, the page's caption, empty outputs.
    const clitest::Run table = RunProgram({"water", "--temperature", "500"}, "pl_PL.UTF-8");
    EXPECT_EQ(table.status, 1);
    const std::vector<std::string> lines = clitest::Lines(table.out);
    EXPECT_EQ(lines.at(0), "--temperature 500 K: Temperatura wyższa od temperatury maksymalnej   423,15 K");
    EXPECT_EQ(lines.at(1), "Temperatura wyższa od temperatury maksymalnej   423,15 K");
    EXPECT_TRUE(HasLine(table.out, "Gęstość" + std::string(25, ' ') + "kg/m^3")) << table.out;
    EXPECT_TRUE(HasLine(table.out, "Temperatura wody            500 K")) << table.out;
    // A later accepted pressure clears the caption, as on the page.
    const clitest::Run cleared = RunProgram({"water", "--temperature", "300", "--temperature", "500", "--pressure",
                                             "1 bar"});
    EXPECT_EQ(cleared.status, 1);
    EXPECT_EQ(clitest::Lines(cleared.out).at(1), "Właściwości");
}

TEST(CliWater, RangesAsCsvRows)
{
    const clitest::Run csv = RunProgram({"water", "--temperature", "0:100:10 st C", "--csv"});
    EXPECT_EQ(csv.status, 0);
    const std::vector<std::string> lines = clitest::Lines(csv.out);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "temperature,pressure,mass_flow,density,expansion,specific_heat,enthalpy,conductivity,"
                        "dynamic_viscosity,kinematic_viscosity,surface_tension,prandtl,messages,limit_text,notes");
    EXPECT_EQ(lines[1].rfind("273.14999999999998,100000,1,999.73199999999997,", 0), 0u);
    EXPECT_EQ(lines[11].rfind("373.14999999999998,", 0), 0u);
    // Two ranges: every combination, the first varying slowest; a refused
    // row makes the status 1 and still prints.
    const clitest::Run both = RunProgram({"water", "--pressure", "1:3:1 bar", "--temperature", "400:430:10", "--csv"});
    EXPECT_EQ(both.status, 1);
    const std::vector<std::string> rows = clitest::Lines(both.out);
    ASSERT_EQ(rows.size(), 1u + 3 * 4);
    EXPECT_EQ(rows[1].rfind("400,100000,", 0), 0u);
    EXPECT_EQ(rows[2].rfind("410,100000,", 0), 0u);
    EXPECT_EQ(rows[5].rfind("400,200000,", 0), 0u);
    EXPECT_NE(rows[4].find(",0 11003,   423.15 K"), std::string::npos) << rows[4];
    // JSON of a range: an array of objects.
    const Json array = ParseJson(RunProgram({"water", "--temperature", "300:310:5", "--json"}).out);
    ASSERT_EQ(array.type, Json::Type::Array);
    ASSERT_EQ(array.array.size(), 3u);
    EXPECT_EQ(array.array[2]["temperature"].number, 310);
}

TEST(CliWater, UsageErrors)
{
    ExpectUsage({"water", "--temperature", "20 stC"},
                "zentaro-cli water: --temperature: unknown unit \"stC\"; valid units: K, st C, st F, st Rank");
    ExpectUsage({"water", "--pressure", "high"},
                "zentaro-cli water: --pressure: \"high\" is not a number; valid units: Pa, hPa, kPa, MPa, mbar, bar, "
                "kbar, dyn/cm^2, kp/m^2, kG/m^2, kp/cm^2, kG/cm^2, lbf/sq in, psi, atm, at, Tr, mm H2O, m H2O, in "
                "H2O, ft H2O, mm Hg, cm Hg, in Hg");
    ExpectUsage({"water", "--temperature", "20,5"},
                "zentaro-cli water: --temperature: unknown unit \",5\"; valid units: K, st C, st F, st Rank");
    ExpectUsage({"water", "--dryness", "1"}, "zentaro-cli water: unknown option --dryness");
    ExpectUsage({"water", "--temperature"}, "zentaro-cli water: option --temperature needs a value");
    ExpectUsage({"water", "--temperature", "0:1000:1", "--pressure", "1:2:1e-3"},
                "zentaro-cli water: the ranges make more than 1000000 rows");
}

} // namespace
