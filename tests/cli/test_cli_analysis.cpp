// friction, flow, size and kv against the figures of the flow analysis,
// the size catalogue and the Kv dialog.
#include <gtest/gtest.h>

#include <cmath>

#include "CliTestSupport.h"
#include "analysis/FlowAnalysis.h"

using clitest::Json;
using clitest::ParseJson;
using clitest::RunProgram;
using clitest::ExpectUsage;

namespace {

Json JsonOf(const std::vector<std::string>& args)
{
    std::vector<std::string> withJson = args;
    withJson.push_back("--json");
    const clitest::Run run = RunProgram(withJson);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    return ParseJson(run.out);
}

TEST(CliFriction, LaminarAndColebrook)
{
    EXPECT_DOUBLE_EQ(JsonOf({"friction", "--reynolds", "1000", "--roughness", "0.3"})["lambda"].number, 0.064);
    EXPECT_DOUBLE_EQ(JsonOf({"friction", "--reynolds", "2319.9", "--roughness", "0"})["lambda"].number, 64 / 2319.9);
    EXPECT_NEAR(JsonOf({"friction", "--reynolds", "2320", "--roughness", "0"})["lambda"].number, 0.0471535, 5e-7);
    EXPECT_NEAR(JsonOf({"friction", "--reynolds", "1e5", "--roughness", "0"})["lambda"].number, 0.0179898, 5e-7);
    EXPECT_EQ(RunProgram({"friction", "--reynolds", "1e5", "--roughness", "0.001"}).out,
              "Współczynnik oporów liniowych 0.0221564\n");
    EXPECT_EQ(RunProgram({"friction", "--reynolds", "1e5", "--roughness", "0,001"}, "pl_PL.UTF-8").out,
              "Współczynnik oporów liniowych 0,0221564\n");
    // Re = 0 divides by zero in the laminar formula, as in the dialog.
    EXPECT_EQ(JsonOf({"friction", "--reynolds", "0", "--roughness", "0"})["lambda"].string, "inf");
    ExpectUsage({"friction", "--reynolds", "1e5"}, "zentaro-cli friction: --roughness is required");
    ExpectUsage({"friction", "--reynolds", "x", "--roughness", "0"},
                "zentaro-cli friction: --reynolds: \"x\" is not a number");
}

TEST(CliFlow, FirstOpeningFigures)
{
    const Json j = JsonOf({"flow", "--density", "1000", "--viscosity", "1e-6", "--mass-flow", "1"});
    EXPECT_EQ(j.Keys(), (std::vector<std::string>{"volume_flow", "area", "diameter", "side_l", "side_h",
                                                   "hydraulic_radius", "relative_roughness", "reynolds", "turbulent",
                                                   "friction_factor", "loss_per_metre", "linear_loss", "local_loss",
                                                   "nearest_slot", "nearest_name"}));
    EXPECT_DOUBLE_EQ(j["volume_flow"].number, 0.001);
    EXPECT_DOUBLE_EQ(j["area"].number, 0.001);
    EXPECT_NEAR(j["diameter"].number, 0.0356825, 5e-8);
    EXPECT_NEAR(j["side_l"].number, 0.0447214, 5e-8);
    EXPECT_NEAR(j["side_h"].number, 0.0223607, 5e-8);
    EXPECT_NEAR(j["hydraulic_radius"].number * 1000, 8.92062, 5e-6);
    EXPECT_NEAR(j["relative_roughness"].number, 0.00028025, 5e-9);
    EXPECT_NEAR(j["reynolds"].number, 35682, 0.5);
    EXPECT_TRUE(j["turbulent"].boolean);
    EXPECT_NEAR(j["friction_factor"].number, 0.0233628, 5e-8);
    EXPECT_NEAR(j["loss_per_metre"].number, 327.371, 5e-4);
    EXPECT_EQ(j["linear_loss"].number, j["loss_per_metre"].number);
    EXPECT_DOUBLE_EQ(j["local_loss"].number, 500);
    EXPECT_EQ(j["nearest_slot"].number, 4);
    EXPECT_EQ(j["nearest_name"].string, "32 1 1/4\" (42,4 x 2,9)");

    // The readable table shows the dialog's own texts.
    const clitest::Run table = RunProgram({"flow", "--density", "1000", "--viscosity", "1e-6", "--mass-flow", "1"});
    EXPECT_EQ(table.status, 0);
    for (const char* line : {"Promień hydrauliczny 8.92062 mm", "Chropowatość wzg. 0.00028025",
                             "Przepływ burzliwy Liczba Reynoldsa 35682", "Współczynnik oporów liniowych 0.0233628",
                             "Najbliższy wymiar przewodu: 32 1 1/4\" (42,4 x 2,9)"})
        EXPECT_NE(table.out.find(std::string(line) + "\n"), std::string::npos) << line;
    EXPECT_NE(table.out.find("Średnica przewodu"), std::string::npos);
}

TEST(CliFlow, VelocityAndUnitsMatchTheDialogsChain)
{
    // The dialog with a velocity left from an earlier use computes the same
    // as the command line with --velocity.
    FlowAnalysis dialog;
    const double nu = 1.004e-2 * 0.0001;      // St
    const double m = 2000 * 0.000277777777;   // kg/h, the catalogue's factor
    dialog.SetMedium(998.2, nu, m);
    dialog.Open();
    dialog.OnEdit(FlowField::Velocity, "0.8");
    dialog.SetMedium(998.2, nu, m);
    dialog.Open();
    const Json j = JsonOf({"flow", "--density", "998.2", "--viscosity", "1.004e-2 St", "--mass-flow", "2000 kg/h",
                           "--velocity", "0.8"});
    // 2000 kg/h goes through the catalogue factor 0.000277777777, not 1/3.6.
    EXPECT_NEAR(j["volume_flow"].number, 2000 * 0.000277777777 / 998.2, 1e-15);
    EXPECT_EQ(j["area"].number, dialog.Value(FlowField::Area));
    EXPECT_EQ(j["reynolds"].number, dialog.Reynolds());
    EXPECT_EQ(j["friction_factor"].number, dialog.Lambda());
    EXPECT_EQ(j["loss_per_metre"].number, dialog.Value(FlowField::UnitLoss));
    EXPECT_DOUBLE_EQ(j["local_loss"].number, 0.8 * 0.8 * 998.2 * 0.5);

    // A velocity not above 0 becomes 1e-08 m/s; in km/h it is 1e-08 km/h.
    const Json zero = JsonOf({"flow", "--density", "1000", "--viscosity", "1e-6", "--mass-flow", "1", "--velocity", "0"});
    EXPECT_DOUBLE_EQ(zero["area"].number, 0.001 / 1e-08);
    EXPECT_FALSE(zero["turbulent"].boolean);
    const Json slow = JsonOf({"flow", "--density", "1000", "--viscosity", "1e-6", "--mass-flow", "1", "--velocity",
                              "-5 km/h"});
    EXPECT_DOUBLE_EQ(slow["area"].number, 0.001 / 1e-08);

    // Zero density: the divisions give non-finite values, written as text.
    const Json bad = JsonOf({"flow", "--density", "0", "--viscosity", "1e-6", "--mass-flow", "1"});
    EXPECT_EQ(bad["volume_flow"].string, "inf");
    EXPECT_EQ(bad["nearest_slot"].number, 0);
}

TEST(CliFlow, CsvAndUsageErrors)
{
    const clitest::Run csv = RunProgram({"flow", "--density", "1000", "--viscosity", "1e-6", "--mass-flow", "1", "--csv"});
    const std::vector<std::string> lines = clitest::Lines(csv.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("volume_flow,area,diameter,", 0), 0u);
    EXPECT_NE(lines[1].find(",true,"), std::string::npos);
    EXPECT_NE(lines[1].find(",4,\"32 1 1/4\"\" (42,4 x 2,9)\""), std::string::npos);
    ExpectUsage({"flow", "--density", "1000", "--viscosity", "1e-6"}, "zentaro-cli flow: --mass-flow is required");
    ExpectUsage({"flow", "--density", "1 kg", "--viscosity", "1e-6", "--mass-flow", "1"},
                "zentaro-cli flow: --density: unknown unit \"kg\"; valid units: kg/m^3, g/cm^3, lb/cu in, lb/cu ft");
    ExpectUsage({"flow", "--density", "1:2:1", "--viscosity", "1e-6", "--mass-flow", "1"},
                "zentaro-cli flow: --density: a range START:STOP:STEP is not allowed here");
}

TEST(CliSize, NearestSizesAndGeometry)
{
    // Equal areas: the earlier slot wins.
    Json j = JsonOf({"size", "--area", "0.0123"});
    EXPECT_EQ(j.Keys(), (std::vector<std::string>{"slot", "name", "diameter", "area", "side_l", "side_h"}));
    EXPECT_EQ(j["slot"].number, 10);
    EXPECT_EQ(j["name"].string, "125 5\" (133 x 4)");
    EXPECT_DOUBLE_EQ(j["diameter"].number, 0.125);
    EXPECT_EQ(JsonOf({"size", "--area", "0.025", "--shape", "rect"})["slot"].number, 4);
    EXPECT_EQ(JsonOf({"size", "--area", "0.02", "--shape", "rect"})["slot"].number, 6);
    EXPECT_EQ(JsonOf({"size", "--area", "0"})["slot"].number, 0);
    EXPECT_EQ(JsonOf({"size", "--area", "1000"})["name"].string, "2000 (Went)");
    EXPECT_EQ(JsonOf({"size", "--area", "1000", "--shape", "rect"})["name"].string, "2000 x 2000");
    EXPECT_EQ(JsonOf({"size", "--area", "250 cm^2", "--shape", "rect"})["slot"].number, 4);

    j = JsonOf({"size", "--slot", "0"});
    const double f = 0.0132 * 3.1415926535 * 0.0132 * 0.25;
    EXPECT_DOUBLE_EQ(j["area"].number, f);
    EXPECT_DOUBLE_EQ(j["side_l"].number, std::sqrt(f + f));
    EXPECT_DOUBLE_EQ(j["side_h"].number, std::sqrt(f + f) * 0.5);
    j = JsonOf({"size", "--slot", "31", "--shape", "rect"});
    EXPECT_EQ(j["name"].string, "400 x 500");
    EXPECT_DOUBLE_EQ(j["side_l"].number, 0.4);
    EXPECT_DOUBLE_EQ(j["side_h"].number, 0.5);

    ExpectUsage({"size"}, "zentaro-cli size: give either --area or --slot");
    ExpectUsage({"size", "--area", "1", "--slot", "1"}, "zentaro-cli size: give either --area or --slot");
    ExpectUsage({"size", "--slot", "50"}, "zentaro-cli size: --slot: \"50\" is not a whole number from 0 to 49");
    ExpectUsage({"size", "--slot", "1.5", "--shape", "rect"},
                "zentaro-cli size: --slot: \"1.5\" is not a whole number from 0 to 58");
    ExpectUsage({"size", "--slot", "1", "--shape", "oval"}, "zentaro-cli size: --shape: \"oval\" is neither round nor rect");
}

TEST(CliKv, BothDirections)
{
    const std::string area = "0.00785398163375";   // D = 0.1 m with the analysis's pi
    EXPECT_EQ(clitest::Lines(RunProgram({"kv", "--area", area, "--zeta", "1"}).out),
              (std::vector<std::string>{"Wartość Kv  399.859 m^3/h", "Wartość Σζ        1"}));
    Json j = JsonOf({"kv", "--area", area, "--kv", "400"});
    EXPECT_NEAR(j["zeta"].number, 0.999297, 5e-7);
    EXPECT_DOUBLE_EQ(j["kv"].number, 400);
    EXPECT_EQ(JsonOf({"kv", "--area", area, "--zeta", "0"})["kv"].string, "inf");
    EXPECT_EQ(JsonOf({"kv", "--area", area, "--kv", "0"})["zeta"].string, "inf");
    ExpectUsage({"kv", "--area", area}, "zentaro-cli kv: give either --kv or --zeta");
    ExpectUsage({"kv", "--zeta", "1"}, "zentaro-cli kv: --area is required");
}

} // namespace
