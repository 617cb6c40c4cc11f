// The medium tables that the pages and the command line share.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "controls/HelpIds.h"
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
