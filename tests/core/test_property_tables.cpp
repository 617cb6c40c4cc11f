// The medium tables that the pages and the command line share.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/NumberText.h"
#include "controls/HelpIds.h"
#include "media/Messages.h"
#include "pages/AirTable.h"
#include "pages/SteamTable.h"
#include "pages/WaterTable.h"
#include "units/Units.h"

namespace {

template <class Model>
std::vector<std::string> StateNames(std::span<const PropertyRow<Model>> table, const Model& model)
{
    std::vector<std::string> names;
    for (const PropertyRow<Model>& row : table)
        if (row.IsRelevant(model))
            names.push_back(StateName(row.stateName, row.quantity));
    return names;
}

// What every table must hold for the page and the command line to work:
// keys and controls unique, each control with its help text, each quantity
// with units, a setter exactly for the typed fields.
template <class Model>
void ExpectWellFormed(std::span<const PropertyRow<Model>> table)
{
    std::set<std::string> keys;
    std::set<unsigned> controls;
    for (const PropertyRow<Model>& row : table) {
        SCOPED_TRACE(row.key);
        EXPECT_TRUE(keys.insert(row.key).second);
        for (unsigned id : {row.edit, row.unitCombo}) {
            EXPECT_TRUE(controls.insert(id).second) << id;
            // The help table leaves out the water page's dynamic viscosity box.
            if (id != WodaIds::IDC_DYNAMIC_VISCOSITY) {
                EXPECT_NE(HelpIdOf(id), 0u) << id;
            }
        }
        if (row.labelId != 0) {
            EXPECT_TRUE(controls.insert(row.labelId).second) << row.labelId;
        }
        EXPECT_GT(UnitCount(row.quantity), 0);
        EXPECT_NE(row.get, nullptr);
        EXPECT_EQ(row.set != nullptr, row.IsTyped());
        EXPECT_NE(std::string(row.label).find('&'), std::string::npos);
    }
}

TEST(PropertyTables, WellFormed)
{
    ExpectWellFormed(kWaterTable);
    ExpectWellFormed(kSteamTable);
    ExpectWellFormed(kAirTable);
}

TEST(PropertyTables, AirStateTextOrder)
{
    // Every row once, the mass flow third and the moisture content fifth.
    std::vector<std::string> names;
    std::set<std::size_t> rows;
    for (std::size_t row : kAirStateOrder) {
        EXPECT_TRUE(rows.insert(row).second) << row;
        names.push_back(StateName(kAirTable[row].stateName, kAirTable[row].quantity));
    }
    EXPECT_EQ(rows.size(), kAirTable.size());
    const std::vector<std::string> expected = {
        "Temperatura", "Wilgotność", "Strumień masy", "Entalpia", "Zawartość wilgoci", "Objętość właściwa",
        "Ciśnienie cząstkowe", "Temperatura punktu rosy", "Temperatura termometru mokrego", "Lepkość dynamiczna",
        "Lepkość kinematyczna",
    };
    EXPECT_EQ(names, expected);
}

TEST(PropertyTables, BelowRangeIsZeroInARowWithALowestValue)
{
    // 263.15 K at 20 %: the vapour lies below the saturation line's range,
    // so the dew point is no value; the wet bulb is one.
    HumidAirInput air;
    ASSERT_EQ(air.SetTemperatureInMode(263.15), kMsgNone);
    ASSERT_EQ(air.SetRelativeHumidityChecked(20), kMsgNone);
    const auto& dew = kAirTable[RowOf(kAirTable, "dew_point")];
    const auto& wet = kAirTable[RowOf(kAirTable, "wet_bulb_temperature")];
    EXPECT_TRUE(dew.IsBelowRange(air));
    EXPECT_FALSE(wet.IsBelowRange(air));
    EXPECT_NEAR(air.GetWetBulbTemperature(), 260.478, 5e-4);
    // A row without a lowest value never is, 0 or not.
    CWoda water;
    for (const PropertyRow<CWoda>& row : kWaterTable)
        EXPECT_FALSE(row.IsBelowRange(water)) << row.key;
    ASSERT_EQ(air.SetRelativeHumidityChecked(80), kMsgNone);
    EXPECT_FALSE(dew.IsBelowRange(air));
}

TEST(PropertyTables, WaterStateNames)
{
    const std::vector<std::string> expected = {
        "Temperatura",       "Ciśnienie",          "Strumień masy",        "Gęstość",
        "Rozszerzalność objętościowa", "Ciepło właściwe", "Entalpia",      "Przewodność cieplna",
        "Lepkość dynamiczna", "Lepkość kinematyczna", "Napięcie powierzchniowe", "Liczba Prandtla",
    };
    EXPECT_EQ(StateNames(kWaterTable, CWoda()), expected);
    EXPECT_EQ(kWaterTable[RowOf(kWaterTable, "mass_flow")].role, PropertyRole::Carried);
}

TEST(PropertyTables, SteamStateNamesFollowTheRegime)
{
    CPara steam;
    const std::vector<std::string> wet = {
        "Temperatura", "Ciśnienie", "Suchość", "Strumień masy", "Entalpia", "Objętość właściwa",
        "Objętość właściwa", "Ciepło parowania", "Lepkość dynamiczna", "Lepkość kinematyczna",
    };
    EXPECT_EQ(StateNames(kSteamTable, steam), wet);
    steam.SetRegime(CPara::kSaturated);
    EXPECT_EQ(StateNames(kSteamTable, steam), wet);
    steam.SetRegime(CPara::kSuperheated);
    const std::vector<std::string> superheated = {
        "Temperatura", "Ciśnienie", "Strumień masy", "Entalpia", "Objętość właściwa",
        "Lepkość dynamiczna", "Lepkość kinematyczna",
    };
    EXPECT_EQ(StateNames(kSteamTable, steam), superheated);

    EXPECT_STREQ(SteamRegimeName(CPara::kWet), "Para nasycona mokra");
    EXPECT_STREQ(SteamRegimeName(CPara::kSaturated), "Para nasycona");
    EXPECT_STREQ(SteamRegimeName(CPara::kSuperheated), "Para przegrzana");
}

TEST(PropertyTables, RowsReachTheirModel)
{
    // Each typed row sets what its getter reads (a setter wired to the wrong
    // field shows here).
    CPara steam;
    for (const PropertyRow<CPara>& row : kSteamTable) {
        if (!row.IsTyped())
            continue;
        SCOPED_TRACE(row.key);
        const double value = row.quantity == kQuantityDimensionless ? 0.5 : row.quantity == kQuantityPressure
                                                                              ? 101325.0
                                                                              : 373.0;
        (steam.*row.set)(value);
        EXPECT_EQ((steam.*row.get)(), value);
    }
    CWoda water;
    for (const PropertyRow<CWoda>& row : kWaterTable) {
        if (!row.IsTyped())
            continue;
        SCOPED_TRACE(row.key);
        const double value = row.quantity == kQuantityPressure ? 300000.0 : 300.0;
        (water.*row.set)(value);
        EXPECT_EQ((water.*row.get)(), value);
    }
    HumidAirInput air;
    const struct {
        const char* key;
        double value;
        double read;
    } kAir[] = {
        {"temperature", 300, 300},
        {"relative_humidity", 40, 40},
        {"moisture_content", 0.01, 0.01 - 1e-07},  // the model keeps the content less 1e-07
        {"mass_flow", 2.5, 2.5},
    };
    std::size_t typed = 0;
    for (const PropertyRow<HumidAirInput>& row : kAirTable)
        typed += row.IsTyped() ? 1 : 0;
    EXPECT_EQ(typed, std::size(kAir));
    for (const auto& field : kAir) {
        SCOPED_TRACE(field.key);
        const PropertyRow<HumidAirInput>& row = kAirTable[RowOf(kAirTable, field.key)];
        EXPECT_EQ((air.*row.set)(field.value), kMsgNone);
        EXPECT_EQ((air.*row.get)(), field.read);
    }
}

TEST(HumidAirInput, TemperatureAndPressureTakeTheMode)
{
    HumidAirInput air;
    EXPECT_EQ(air.Mode(), CPowietrze::kRelativeHumidityMode);
    EXPECT_EQ(air.SetTemperatureInMode(250), kMsgTemperatureBelowMinimum);
    air.SetMode(CPowietrze::kMoistureContentMode);
    EXPECT_TRUE(air.IsMoistureMode());
    EXPECT_EQ(air.SetTemperatureInMode(250), kMsgTemperatureBelowDewPoint);

    // In moisture-content mode a pressure keeps the given content.
    ASSERT_EQ(air.SetTemperatureInMode(293.15), kMsgNone);
    ASSERT_EQ(air.SetMoistureContentChecked(0.01), kMsgNone);
    ASSERT_EQ(air.SetBarometricPressureInMode(BarometricPressureAt(0)), kMsgNone);
    EXPECT_EQ(air.GetMoistureContent(), 0.01 - 1e-07);
    EXPECT_EQ(air.GetBarometricPressure(), 96000);
}

// A pressure or a temperature set while another value stands refused is no
// state: the model computes nothing and says nothing, so the refused value's
// own message is given, never a "no message" with a volume of 0 (which the
// flow analysis would take as an infinite density).
TEST(HumidAirInput, NoStateIsAcceptedWhileARefusedValueStands)
{
    HumidAirInput air;
    ASSERT_EQ(air.SetTemperatureInMode(293.15), kMsgNone);
    ASSERT_EQ(air.SetRelativeHumidityChecked(50), kMsgNone);
    EXPECT_EQ(air.SetTemperatureInMode(-5e13), kMsgTemperatureBelowMinimum);
    EXPECT_EQ(air.SetBarometricPressureChecked(101500), kMsgTemperatureBelowMinimum);
    EXPECT_EQ(air.GetTemperature(), -5e13);
    EXPECT_EQ(air.GetBarometricPressure(), 101500);

    ASSERT_EQ(air.SetTemperatureInMode(293.15), kMsgNone);
    EXPECT_EQ(air.SetRelativeHumidityChecked(150), kMsgHumidityAbove100);
    EXPECT_EQ(air.SetTemperatureInMode(300), kMsgHumidityAbove100);
    EXPECT_EQ(air.SetBarometricPressureChecked(99000), kMsgHumidityAbove100);
    EXPECT_EQ(air.GetRelativeHumidity(), 150);
    EXPECT_EQ(air.GetSpecificVolume(), 0);

    air.SetMode(CPowietrze::kMoistureContentMode);
    ASSERT_EQ(air.SetMoistureContentChecked(0.01), kMsgNone);
    EXPECT_GT(air.GetSpecificVolume(), 0);
    EXPECT_EQ(air.SetBarometricPressureChecked(100000), kMsgNone);
}

TEST(HumidAirInput, HumidityAtATemperatureOutsideTheLimitsKeepsTheTemperaturesMessage)
{
    // The model alone takes the humidity (0) and computes nothing; the
    // page and the command line get the temperature's message instead, as
    // the temperature gives it with that humidity given, in either mode.
    for (int mode : {CPowietrze::kRelativeHumidityMode, CPowietrze::kMoistureContentMode}) {
        SCOPED_TRACE(mode);
        HumidAirInput air;
        air.SetMode(mode);
        EXPECT_EQ(air.SetRelativeHumidityChecked(50), kMsgTemperatureBelowMinimum);  // a fresh model holds 0 K
        EXPECT_EQ(air.GetRelativeHumidity(), 50);
        EXPECT_EQ(air.GetLimitText(), "   " + FormatFixed(253.149, 2) + " K");
        EXPECT_EQ(air.SetMoistureContentChecked(0.01), kMsgTemperatureBelowDewPoint);
        EXPECT_EQ(air.GetMoistureContent(), 0.01 - 1e-07);
        EXPECT_EQ(air.GetEnthalpy(), 0);
        EXPECT_EQ(air.Mode(), mode);

        // Above the boiling temperature at 960 hPa.
        EXPECT_EQ(air.SetTemperatureInMode(372), kMsgNone);
        EXPECT_EQ(air.SetBarometricPressureInMode(96000), kMsgTemperatureAboveMaximum);
        EXPECT_EQ(air.SetRelativeHumidityChecked(50), kMsgTemperatureAboveMaximum);
        EXPECT_EQ(air.GetLimitText(), "   " + FormatFixed(371.638, 2) + " K");

        // Within the limits the humidity setters answer as the model does.
        EXPECT_EQ(air.SetTemperatureInMode(293.15), kMsgNone);
        EXPECT_EQ(air.SetRelativeHumidityChecked(50), kMsgNone);
        EXPECT_GT(air.GetSpecificVolume(), 0);
        EXPECT_EQ(air.SetRelativeHumidityChecked(120), kMsgHumidityAbove100);
        EXPECT_EQ(air.SetMoistureContentChecked(-1), kMsgMoistureBelowZero);
    }
}

TEST(HumidAirInput, BarometerLabel)
{
    EXPECT_EQ(BarometerText(100000), "    1000 hPa");
    EXPECT_EQ(BarometerText(96000), "     960 hPa");
    EXPECT_EQ(BarometerText(104000), "    1040 hPa");
}

TEST(PropertyTables, LabelsAndOptions)
{
    EXPECT_EQ(PlainLabel("&Temperatura wody"), "Temperatura wody");
    EXPECT_EQ(PlainLabel("Lepkość &dynamiczna"), "Lepkość dynamiczna");
    EXPECT_EQ(PlainLabel("A && B"), "A & B");
    EXPECT_EQ(PlainLabel("koniec&"), "koniec");
    EXPECT_EQ(PlainLabel(""), "");
    EXPECT_EQ(OptionName("heat_of_vaporisation"), "heat-of-vaporisation");
    EXPECT_EQ(OptionName("temperature"), "temperature");
    EXPECT_EQ(StateName(nullptr, kQuantitySpecificVolume), "Objętość właściwa");
    EXPECT_EQ(StateName("Suchość", kQuantityDimensionless), "Suchość");
}

} // namespace
