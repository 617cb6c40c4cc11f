#include <gtest/gtest.h>

#include <limits>

#include "Digits.h"
#include "base/NumberText.h"
#include "base/StringTable.h"
#include "media/CWoda.h"
#include "SeparatorTest.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Limit texts follow the decimal separator in force: run under both.
class WaterLimitText : public UnderSeparator {};

TEST_P(WaterLimitText, TemperatureLimits)
{
    CWoda water;
    EXPECT_EQ(water.SetTemperature(273.15), 0);
    EXPECT_EQ(water.GetLimitText(), "");
    EXPECT_EQ(water.SetTemperature(423.15), 0);
    EXPECT_EQ(water.SetTemperature(273.149), kMsgTemperatureBelowMinimum);
    EXPECT_EQ(water.GetLimitText(), WithSep("   273.15 K"));
    EXPECT_EQ(LoadText(water.SetTemperature(423.16)), "Temperatura wyższa od temperatury maksymalnej");
    EXPECT_EQ(water.GetLimitText(), WithSep("   423.15 K"));
    // An accepted value clears the text of the rejected one before it.
    EXPECT_EQ(water.SetTemperature(300), 0);
    EXPECT_EQ(water.GetLimitText(), "");
    EXPECT_EQ(LoadText(water.SetTemperature(-kInf)), "Temperatura niższa od temperatury minimalnej");
}

TEST_P(WaterLimitText, PressureLimits)
{
    CWoda water;
    EXPECT_EQ(water.GetPressure(), 1e5);
    EXPECT_EQ(water.SetPressure(3e6), 0);
    EXPECT_EQ(water.SetPressure(5e4), kMsgPressureBelowMinimum);
    EXPECT_EQ(water.GetLimitText(), "   100 kPa");
    EXPECT_EQ(LoadText(kMsgPressureBelowMinimum), "Ciśnienie niższe od ciśnienia minimalnego");
    EXPECT_EQ(water.GetPressure(), 3e6);
    EXPECT_EQ(water.SetPressure(2e7), kMsgPressureAboveMaximum);
    EXPECT_EQ(water.GetLimitText(), "    10 MPa");
    EXPECT_EQ(LoadText(kMsgPressureAboveMaximum), "Ciśnienie wyższe od ciśnienia maksymalnego");
    EXPECT_EQ(water.GetPressure(), 3e6);
    EXPECT_EQ(water.SetPressure(1e5), 0);
    EXPECT_EQ(water.GetLimitText(), "");
    EXPECT_EQ(water.SetPressure(1e7), 0);
    EXPECT_EQ(water.GetPressure(), 1e7);
}

// One model across a change of separator: its texts follow.
TEST(Water, LimitTextFollowsSeparatorChange)
{
    CWoda water;
    ASSERT_EQ(water.SetTemperature(200), kMsgTemperatureBelowMinimum);
    EXPECT_EQ(water.GetLimitText(), "   273.15 K");
    SetDecimalSeparator(',');
    ASSERT_EQ(water.SetTemperature(200), kMsgTemperatureBelowMinimum);
    EXPECT_EQ(water.GetLimitText(), "   273,15 K");
    SetDecimalSeparator('.');
    ASSERT_EQ(water.SetTemperature(500), kMsgTemperatureAboveMaximum);
    EXPECT_EQ(water.GetLimitText(), "   423.15 K");
    ASSERT_EQ(water.SetTemperature(200), kMsgTemperatureBelowMinimum);
    EXPECT_EQ(water.GetLimitText(), "   273.15 K");
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, WaterLimitText, ::testing::Values('.', ','));

TEST(Water, ConstructionState)
{
    CWoda water;
    EXPECT_EQ(water.GetTemperature(), 0);
    EXPECT_EQ(water.GetPressure(), 1e5);
    EXPECT_EQ(water.GetMassFlow(), 1);
    EXPECT_EQ(water.GetLimitText(), "");
}

TEST(Water, PropertiesAtFreezingPoint)
{
    CWoda water;
    ASSERT_EQ(water.SetTemperature(273.15), 0);
    EXPECT_DOUBLE_EQ(water.GetDensity(), 999.732);
    EXPECT_DOUBLE_EQ(water.GetExpansion(), -7.994e-05);
    EXPECT_DOUBLE_EQ(water.GetSpecificHeat(), 4214);
    EXPECT_DOUBLE_EQ(water.GetEnthalpy(), 59.47);
    EXPECT_DOUBLE_EQ(water.GetConductivity(), 0.5687);
    EXPECT_DIGITS(water.GetDynamicViscosity(), "0.00179676");
    EXPECT_DIGITS(water.GetKinematicViscosity(), "1.79725e-06");
    EXPECT_DIGITS(water.GetPrandtl(), "13.2979");
    EXPECT_DOUBLE_EQ(water.GetSurfaceTension(), 0.075687);
}

TEST(Water, PropertiesAt20C)
{
    CWoda water;
    ASSERT_EQ(water.SetTemperature(293.15), 0);
    EXPECT_DIGITS(water.GetDensity(), "998.316");
    EXPECT_DIGITS(water.GetExpansion(), "0.000276186");
    EXPECT_DIGITS(water.GetSpecificHeat(), "4184.72");
    EXPECT_DIGITS(water.GetEnthalpy(), "83872.2");
    EXPECT_DIGITS(water.GetConductivity(), "0.603632");
    EXPECT_DIGITS(water.GetDynamicViscosity(), "0.00100131");
    EXPECT_DIGITS(water.GetKinematicViscosity(), "1.003e-06");
    EXPECT_DIGITS(water.GetPrandtl(), "6.94185");
    EXPECT_DIGITS(water.GetSurfaceTension(), "0.0728104");
}

TEST(Water, PropertiesAtBoilingPoint)
{
    CWoda water;
    ASSERT_EQ(water.SetTemperature(373.15), 0);
    EXPECT_DIGITS(water.GetDensity(), "958.34");
    EXPECT_DIGITS(water.GetSpecificHeat(), "4217.83");
    EXPECT_DIGITS(water.GetEnthalpy(), "419083");
    EXPECT_DIGITS(water.GetPrandtl(), "1.75586");
}

TEST(Water, RejectedTemperatureKeepsProperties)
{
    CWoda water;
    ASSERT_EQ(water.SetTemperature(300), 0);
    const double density = water.GetDensity();
    const double prandtl = water.GetPrandtl();
    EXPECT_EQ(water.SetTemperature(500), kMsgTemperatureAboveMaximum);
    EXPECT_EQ(water.GetTemperature(), 500);
    EXPECT_EQ(water.GetDensity(), density);
    EXPECT_EQ(water.GetPrandtl(), prandtl);
}

TEST(Water, PressureAndMassFlowLeavePropertiesAlone)
{
    CWoda water;
    ASSERT_EQ(water.SetTemperature(330), 0);
    const double density = water.GetDensity();
    const double enthalpy = water.GetEnthalpy();
    const double viscosity = water.GetKinematicViscosity();
    EXPECT_EQ(water.SetMassFlow(-3), 0);
    EXPECT_EQ(water.GetMassFlow(), -3);
    EXPECT_EQ(water.SetMassFlow(0), 0);
    EXPECT_EQ(water.GetMassFlow(), 0);
    EXPECT_EQ(water.SetPressure(5e6), 0);
    EXPECT_EQ(water.SetPressure(1), kMsgPressureBelowMinimum);
    EXPECT_EQ(water.GetDensity(), density);
    EXPECT_EQ(water.GetEnthalpy(), enthalpy);
    EXPECT_EQ(water.GetKinematicViscosity(), viscosity);
}

TEST(Water, NonFiniteInputsLeaveModelUsable)
{
    CWoda water;
    ASSERT_EQ(water.SetTemperature(310), 0);
    const double density = water.GetDensity();
    // NaN is not within the limits: nothing is computed from it.
    water.SetTemperature(kNaN);
    EXPECT_EQ(water.GetDensity(), density);
    EXPECT_EQ(water.SetTemperature(kInf), kMsgTemperatureAboveMaximum);
    EXPECT_EQ(water.SetTemperature(1e308), kMsgTemperatureAboveMaximum);
    EXPECT_EQ(water.GetDensity(), density);
    // A NaN or infinite pressure is never stored.
    water.SetPressure(kNaN);
    EXPECT_EQ(water.GetPressure(), 1e5);
    EXPECT_EQ(water.SetPressure(kInf), kMsgPressureAboveMaximum);
    EXPECT_EQ(water.SetPressure(-kInf), kMsgPressureBelowMinimum);
    EXPECT_EQ(water.GetPressure(), 1e5);
    EXPECT_EQ(water.SetTemperature(310), 0);
    EXPECT_EQ(water.GetDensity(), density);
}

}  // namespace
