#include <gtest/gtest.h>

#include <cmath>

#include "analysis/EnergyAnalysis.h"
#include "base/NumberText.h"

namespace {

// The water example: 1 kg/s from 20 °C (83900 J/kg) to 40 °C (167500 J/kg).
EnergyAnalysis OpenedWater()
{
    EnergyAnalysis e;
    int asked = 0;
    EXPECT_EQ(e.SetStates(1, 83900, 293.15, 1, 167500, 313.15, [&] { return ++asked, 2; }), 0);
    EXPECT_EQ(asked, 0);
    e.Open();
    return e;
}

} // namespace

TEST(EnergyAnalysis, WaterStatesOpen)
{
    EnergyAnalysis e = OpenedWater();
    EXPECT_TRUE(e.TemperaturesShown());
    EXPECT_EQ(e.Value(EnergyField::MassFlow), 1);
    EXPECT_EQ(e.Value(EnergyField::EnthalpyDiff), 83600);
    EXPECT_DOUBLE_EQ(e.Value(EnergyField::TemperatureDiff), 20); // from the states
    EXPECT_EQ(e.Value(EnergyField::HeatPower), 83600);
    EXPECT_EQ(e.Value(EnergyField::Time), 1);
    EXPECT_EQ(e.Value(EnergyField::Energy), 83600);
    EXPECT_EQ(e.Mode(), EnergyMode::MassFlow);
    EXPECT_FALSE(e.IsInput(EnergyField::MassFlow));
    EXPECT_TRUE(e.IsInput(EnergyField::HeatPower));
    EXPECT_TRUE(e.IsInput(EnergyField::FinalTemperature));
}

TEST(EnergyAnalysis, EnthalpyEditInEachMode)
{
    EnergyAnalysis e = OpenedWater();
    e.OnEdit(EnergyField::EnthalpyDiff, "41860");
    EXPECT_DOUBLE_EQ(e.Value(EnergyField::TemperatureDiff), 10);
    EXPECT_DOUBLE_EQ(e.Value(EnergyField::FinalTemperature), 303.15);
    EXPECT_EQ(e.Value(EnergyField::FinalEnthalpy), 125760);
    EXPECT_EQ(e.Value(EnergyField::MassFlow), 83600 / 41860.0);

    e.SetMode(EnergyMode::HeatPower);
    EXPECT_FALSE(e.IsInput(EnergyField::HeatPower));
    e.OnEdit(EnergyField::MassFlow, "2");
    EXPECT_EQ(e.Value(EnergyField::HeatPower), 2 * 41860.0);
    EXPECT_EQ(e.Value(EnergyField::Energy), 2 * 41860.0);
    e.OnEdit(EnergyField::Time, "3600");
    EXPECT_EQ(e.Value(EnergyField::Energy), 3600 * 2 * 41860.0);
    e.OnEdit(EnergyField::Energy, "83720");
    EXPECT_EQ(e.Value(EnergyField::Time), 1);

    e.SetMode(EnergyMode::Enthalpy);
    EXPECT_FALSE(e.IsInput(EnergyField::FinalTemperature));
    e.OnEdit(EnergyField::HeatPower, "8372");
    EXPECT_DOUBLE_EQ(e.Value(EnergyField::EnthalpyDiff), 4186);
    EXPECT_DOUBLE_EQ(e.Value(EnergyField::TemperatureDiff), 1);
    EXPECT_DOUBLE_EQ(e.Value(EnergyField::FinalTemperature), 294.15);
    EXPECT_DOUBLE_EQ(e.Value(EnergyField::FinalEnthalpy), 83900 + 4186);
    EXPECT_EQ(e.Value(EnergyField::Energy), 8372);
}

TEST(EnergyAnalysis, TemperatureEditsUseTheInputPair)
{
    EnergyAnalysis e = OpenedWater();
    // "st C": display K -> °C, input °C -> K.
    e.SetTemperaturePairs({1, -273.15}, {1, 273.15});
    e.OnEdit(EnergyField::FinalTemperature, "40");
    EXPECT_DOUBLE_EQ(e.Value(EnergyField::FinalTemperature), 313.15);
    EXPECT_DOUBLE_EQ(e.Value(EnergyField::EnthalpyDiff), 20 * 4186.0);
    EXPECT_EQ(e.FieldText(EnergyField::FinalTemperature), "40");
    e.OnEdit(EnergyField::TemperatureDiff, "5");
    EXPECT_DOUBLE_EQ(e.Value(EnergyField::FinalTemperature), 298.15);
    EXPECT_DOUBLE_EQ(e.Value(EnergyField::FinalEnthalpy), 83900 + 5 * 4186.0);
    e.OnEdit(EnergyField::FinalEnthalpy, "167500");
    EXPECT_DOUBLE_EQ(e.Value(EnergyField::TemperatureDiff), 83600 / 4186.0);
    EXPECT_EQ(e.Value(EnergyField::MassFlow), 1);
    e.Open();
    EXPECT_EQ(e.FieldText(EnergyField::FinalTemperature), FormatG(e.Value(EnergyField::FinalTemperature)));
}

TEST(EnergyAnalysis, MassStreamChoice)
{
    EnergyAnalysis e;
    EXPECT_EQ(e.SetStates(2, 0, 0, 3, 1000, 0, [] { return 2; }), 2);
    EXPECT_EQ(e.GetMassFlow(), 1);
    EXPECT_FALSE(e.TemperaturesShown());
    EXPECT_EQ(e.SetStates(2, 0, 0, 3, 1000, 0, [] { return 1; }), 1);
    EXPECT_EQ(e.GetMassFlow(), 3);
    EXPECT_EQ(e.SetStates(3, 0, 0, 2, 1000, 0, [] { return 0; }), 0);
    EXPECT_EQ(e.GetMassFlow(), 3);
    EXPECT_EQ(e.SetStates(3, 0, 0, 2, 1000, 0, [] { return 2; }), 2);
    EXPECT_EQ(e.GetMassFlow(), 1);
    // Equal flows: no question, whatever was chosen before.
    bool asked = false;
    EXPECT_EQ(e.SetStates(2, 0, 0, 2, 1000, 0, [&] { return asked = true, 2; }), 0);
    EXPECT_FALSE(asked);
    EXPECT_EQ(e.GetMassFlow(), 2);
    // A later water analysis shows the temperatures again.
    e.SetStates(2, 0, 293.15, 2, 1000, 0, {});
    EXPECT_TRUE(e.TemperaturesShown());
}

TEST(EnergyAnalysis, DivisionsByZeroPrintAsTheCLibraryDoes)
{
    SetDecimalSeparator('.');
    EnergyAnalysis e;
    e.SetStates(1, 1000, 0, 1, 1000, 0, {}); // Δh = 0
    e.Open();
    e.OnEdit(EnergyField::HeatPower, "500");
    EXPECT_EQ(e.FieldText(EnergyField::MassFlow), "inf");
    e.OnEdit(EnergyField::HeatPower, "-500");
    EXPECT_EQ(e.FieldText(EnergyField::MassFlow), "-inf");
    e.OnEdit(EnergyField::HeatPower, "0");
    EXPECT_EQ(e.FieldText(EnergyField::Energy), "0");
    e.OnEdit(EnergyField::Energy, "10");
    EXPECT_EQ(e.FieldText(EnergyField::Time), "inf");
    e.SetMode(EnergyMode::Enthalpy);
    e.OnEdit(EnergyField::MassFlow, "0");
    EXPECT_TRUE(std::isnan(e.Value(EnergyField::EnthalpyDiff)));
}

TEST(EnergyAnalysis, CommaSeparatorInTextAndInput)
{
    SetDecimalSeparator(',');
    EnergyAnalysis e = OpenedWater();
    e.SetFactor(EnergyField::HeatPower, 1000); // kW
    EXPECT_EQ(e.FieldText(EnergyField::HeatPower), "83,6");
    e.OnEdit(EnergyField::HeatPower, "41,8");
    EXPECT_EQ(e.Value(EnergyField::HeatPower), 41800);
    EXPECT_DOUBLE_EQ(e.Value(EnergyField::MassFlow), 0.5);
    SetDecimalSeparator('.');
}
