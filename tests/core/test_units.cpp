#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "base/NumberText.h"
#include "base/StringTable.h"
#include "units/PolishOrder.h"
#include "units/Units.h"

namespace {

// "%g" with a full stop: the precision the program shows.
std::string G(double value)
{
    const char saved = DecimalSeparator();
    SetDecimalSeparator('.');
    std::string text = FormatG(value);
    SetDecimalSeparator(saved);
    return text;
}

int UnitIndex(int quantity, const std::string& name)
{
    for (int u = 0; u < UnitCount(quantity); ++u)
        if (LoadText(quantity + 1 + u) == name)
            return u;
    ADD_FAILURE() << "no unit " << name << " in " << quantity;
    return -1;
}

double Convert(int quantity, const std::string& from, const std::string& to, double value)
{
    return ConvertUnits(quantity, UnitIndex(quantity, from), UnitIndex(quantity, to), value);
}

std::vector<int> AllQuantities()
{
    std::vector<int> all;
    for (int q = kQuantityFirst; q <= kQuantityLast; q += kQuantityStep)
        all.push_back(q);
    return all;
}

} // namespace

TEST(UnitCatalogue, QuantityNumbersAndIndices)
{
    EXPECT_EQ(QuantityIndex(kQuantityLength), 0);
    EXPECT_EQ(QuantityIndex(kQuantityTemperature), 21);
    EXPECT_EQ(QuantityIndex(kQuantityMoistureContent), 30);
    // Not convertible quantities: no factor row, no comment.
    EXPECT_EQ(QuantityIndex(kQuantityPercent), -1);
    EXPECT_EQ(QuantityIndex(kQuantityDimensionless), -1);
    EXPECT_EQ(QuantityIndex(900), -1);
    EXPECT_EQ(QuantityIndex(4100), -1);
    EXPECT_EQ(QuantityIndex(1050), -1);
    EXPECT_EQ(QuantityIndex(-1000), -1);
    EXPECT_EQ(QuantityName(kQuantityLength), "Długość");
    EXPECT_EQ(QuantityName(kQuantityMoistureContent), "Zawartość wilgoci");
    EXPECT_EQ(QuantityName(kQuantityDimensionless), "Wielkość bezwymiarowa");
    EXPECT_EQ(QuantityName(1050), "");
}

// The unit lists in the string table and the factor rows describe the same
// units: consecutive ids, no gaps, nothing beyond the count.
TEST(UnitCatalogue, UnitListsMatchTheStringTable)
{
    int total = 0;
    for (int q : AllQuantities()) {
        const int count = UnitCount(q);
        ASSERT_GE(count, 1) << q;
        ASSERT_LE(count, 24) << q;
        total += count;
        for (int u = 0; u < count; ++u)
            EXPECT_FALSE(LoadText(q + 1 + u).empty()) << q << " unit " << u;
        EXPECT_TRUE(LoadText(q + 1 + count).empty()) << q;
        EXPECT_FALSE(LoadText(q).empty()) << q;
    }
    EXPECT_EQ(total, 238);
    EXPECT_EQ(UnitCount(kQuantityPressure), 24);
    EXPECT_EQ(UnitCount(kQuantityEnergy), 24);
    EXPECT_EQ(UnitCount(kQuantityTemperature), 4);
    EXPECT_EQ(UnitCount(kQuantityPercent), 1);
    EXPECT_EQ(UnitCount(kQuantityDimensionless), 1);
    EXPECT_EQ(UnitCount(1050), 0);
    EXPECT_EQ(UnitName(kQuantityPercent, 0), "%");
    EXPECT_EQ(UnitName(kQuantityDimensionless, 0), "bez miana");
    EXPECT_EQ(UnitName(kQuantityTemperature, 3), "st Rank");
    EXPECT_EQ(UnitName(kQuantityTemperature, 4), "");
}

TEST(UnitCatalogue, EveryListedUnitHasANonZeroFactorAndSiComesFirst)
{
    for (int q : AllQuantities()) {
        if (q == kQuantityTemperature)
            continue;
        EXPECT_EQ(UnitFactor(q, 0), 1.0) << q;
        for (int u = 0; u < UnitCount(q); ++u) {
            const double f = UnitFactor(q, u);
            EXPECT_TRUE(std::isfinite(f) && f > 0) << q << " unit " << u;
        }
        // Cells past the list are empty, as the store has always been.
        EXPECT_EQ(UnitFactor(q, UnitCount(q)), 0.0) << q;
        EXPECT_EQ(UnitFactor(q, kMaxUnits - 1), 0.0) << q;
    }
    EXPECT_EQ(UnitFactor(kQuantityPercent, 0), 1.0);
    EXPECT_EQ(UnitFactor(kQuantityDimensionless, 0), 1.0);
    EXPECT_EQ(UnitFactor(kQuantityLength, -1), 0.0);
    EXPECT_EQ(UnitFactor(kQuantityLength, kMaxUnits), 0.0);
    EXPECT_EQ(UnitFactor(1050, 0), 0.0);
}

TEST(UnitCatalogue, FactorsAreTheStoredDoubles)
{
    EXPECT_EQ(UnitFactor(kQuantityVelocity, UnitIndex(kQuantityVelocity, "km/h")), 0.27777777);
    EXPECT_EQ(UnitFactor(kQuantityMassFlow, UnitIndex(kQuantityMassFlow, "kg/h")), 0.000277777777);
    EXPECT_EQ(UnitFactor(kQuantityVolumeFlow, UnitIndex(kQuantityVolumeFlow, "l/min")), 1.6666666e-05);
    EXPECT_EQ(UnitFactor(kQuantityArea, UnitIndex(kQuantityArea, "sq mile")), 2589988.110336);
    EXPECT_EQ(UnitFactor(kQuantityMass, UnitIndex(kQuantityMass, "Mg")), 1000.0);
    EXPECT_EQ(UnitFactor(kQuantityMass, UnitIndex(kQuantityMass, "mg")), 1e-06);
    EXPECT_EQ(UnitFactor(kQuantityPressure, UnitIndex(kQuantityPressure, "in Hg")), 3386.0);
    EXPECT_EQ(UnitFactor(kQuantityEnergy, UnitIndex(kQuantityEnergy, "TWh")), 3.6e15);
    EXPECT_EQ(UnitFactor(kQuantityEnergy, UnitIndex(kQuantityEnergy, "eV")), 1.60206e-19);
    EXPECT_EQ(UnitFactor(kQuantityPower, UnitIndex(kQuantityPower, "h.p.")), 745.7);
    // Enthalpy's calorie is 4186, energy's 4186.8.
    EXPECT_EQ(UnitFactor(kQuantityEnthalpy, UnitIndex(kQuantityEnthalpy, "kcal/kg")), 4186.0);
    EXPECT_EQ(UnitFactor(kQuantityEnergy, UnitIndex(kQuantityEnergy, "kcal")), 4186.8);
    EXPECT_EQ(UnitFactor(kQuantitySpecificVolume, UnitIndex(kQuantitySpecificVolume, "cu ft/lb")), 0.06242781783563);
    EXPECT_EQ(UnitFactor(kQuantityTime, UnitIndex(kQuantityTime, "rok 365")), 31536000.0);
    EXPECT_EQ(UnitFactor(kQuantityAngle, UnitIndex(kQuantityAngle, "sekunda")), 4.848136811e-06);
    EXPECT_EQ(UnitFactor(kQuantityAngularVelocity, UnitIndex(kQuantityAngularVelocity, "rpm")), 0.1047197551);
    EXPECT_EQ(UnitFactor(kQuantityMoistureContent, UnitIndex(kQuantityMoistureContent, "g/kg")), 0.001);
}

// Units defined exactly elsewhere: their factors follow the definitions.
TEST(UnitCatalogue, UsVolumesAndBtuCoefficientAtTheirDefinitions)
{
    // 231 and 2150.42 cubic inches; the gallon also agrees with "US gal/min".
    EXPECT_NEAR(Convert(1200, "US gallon", "cu in", 1), 231, 231 * 1e-9);
    EXPECT_NEAR(Convert(1200, "US bushel", "cu in", 1), 2150.42, 2150.42 * 1e-6);
    EXPECT_NEAR(Convert(1600, "US gal/min", "m^3/h", 1) / (60 * Convert(1200, "US gallon", "m^3", 1)), 1, 1e-4);
    // 1 BTU/(h ft² °F) with the international table BTU.
    const double btu = 1055.05585262 / (3600 * 0.09290304 * 5.0 / 9.0);
    for (int q : {2800, 2900})
        EXPECT_NEAR(UnitFactor(q, UnitIndex(q, "BTU/(sq ft h F)")), btu, btu * 1e-6) << q;
}

TEST(UnitConversion, LengthAreaVelocity)
{
    EXPECT_EQ(Convert(kQuantityLength, "mile", "m", 1), 1609.344);
    EXPECT_EQ(G(Convert(kQuantityLength, "mile", "m", 1)), "1609.34");
    EXPECT_EQ(G(Convert(kQuantityLength, "m", "mm", 2.5)), "2500");
    EXPECT_EQ(Convert(kQuantityVelocity, "mile/h", "m/s", 1), 0.44704);
    // 0.44704 / 0.27777777, not 0.44704 x 3.6.
    EXPECT_EQ(Convert(kQuantityVelocity, "mile/h", "km/h", 1), 0.44704 / 0.27777777);
    EXPECT_EQ(G(Convert(kQuantityVelocity, "mile/h", "km/h", 1)), "1.60934");
    EXPECT_EQ(G(Convert(kQuantityArea, "ha", "m^2", 1)), "10000");
}

TEST(UnitConversion, EnergyAndDiffusivity)
{
    EXPECT_EQ(Convert(kQuantityEnergy, "kcal", "J", 1), 4186.8);
    EXPECT_EQ(G(Convert(kQuantityEnergy, "J", "kWh", 1e6)), "0.277778");
    EXPECT_EQ(Convert(kQuantityEnergy, "TWh", "J", 1), 3.6e15);
    EXPECT_EQ(Convert(kQuantityThermalDiffusivity, "sq ft/h", "m^2/s", 1), 2.581e-05);
}

TEST(UnitConversion, MultipliesBeforeItDivides)
{
    // value x from / to, in that order, for every pair of one quantity.
    for (int q : AllQuantities()) {
        if (q == kQuantityTemperature)
            continue;
        for (int f = 0; f < UnitCount(q); ++f)
            for (int t = 0; t < UnitCount(q); ++t) {
                const double v = 123.456;
                EXPECT_EQ(ConvertUnits(q, f, t, v), v * UnitFactor(q, f) / UnitFactor(q, t));
                const ConversionPairResult p = ConversionPair(q, f, t);
                EXPECT_EQ(p.multiplier, UnitFactor(q, f) / UnitFactor(q, t));
                EXPECT_EQ(p.offset, 0.0);
            }
    }
}

TEST(UnitConversion, ToItsOwnUnitKeepsTheValueAtShownPrecision)
{
    for (int q : AllQuantities())
        for (int u = 0; u < UnitCount(q); ++u)
            for (double v : {1.0, 0.1, 1234.5678, -7.25e-8})
                EXPECT_EQ(G(ConvertUnits(q, u, u, v)), G(v)) << q << " unit " << u;
}

TEST(UnitConversion, TemperatureMatrix)
{
    EXPECT_EQ(Convert(kQuantityTemperature, "st C", "st F", 100), 212.0);
    EXPECT_EQ(G(Convert(kQuantityTemperature, "st F", "K", 32)), "273.148");
    EXPECT_EQ(Convert(kQuantityTemperature, "st F", "K", 32), 0.5555555555555556 * 32 + 255.37);
    EXPECT_EQ(Convert(kQuantityTemperature, "st Rank", "st C", 0), -273.15);
    EXPECT_EQ(G(Convert(kQuantityTemperature, "st F", "K", 9)), "260.37");
    EXPECT_EQ(Convert(kQuantityTemperature, "K", "st Rank", 100), 180.0);
    EXPECT_EQ(Convert(kQuantityTemperature, "st C", "st Rank", 0), 491.67);
    EXPECT_EQ(G(Convert(kQuantityTemperature, "st F", "st C", 212)), "100");
    // The diagonal is (1, 0): exact for any value.
    for (int u = 0; u < 4; ++u) {
        const ConversionPairResult p = ConversionPair(kQuantityTemperature, u, u);
        EXPECT_EQ(p.multiplier, 1.0);
        EXPECT_EQ(p.offset, 0.0);
        for (double v : {0.1, 293.15, -40.0, 1e300})
            EXPECT_EQ(ConvertUnits(kQuantityTemperature, u, u, v), v);
    }
    const ConversionPairResult fToC = ConversionPair(kQuantityTemperature, 2, 1);
    EXPECT_EQ(fToC.multiplier, 0.5555555555555556);
    EXPECT_EQ(fToC.offset, -17.77777777777778);
    EXPECT_EQ(UnitFactor(kQuantityTemperature, 0), 0.0);
}

TEST(UnitConversion, TemperatureDifferenceIsAPlainFactorRow)
{
    EXPECT_EQ(G(Convert(kQuantityTemperatureDifference, "st F", "K", 9)), "5");
    EXPECT_EQ(G(Convert(kQuantityTemperatureDifference, "st C", "K", 9)), "9");
    EXPECT_EQ(G(Convert(kQuantityTemperatureDifference, "K", "st Rank", 5)), "9");
    EXPECT_EQ(ConversionPair(kQuantityTemperatureDifference, 2, 0).offset, 0.0);
}

TEST(UnitConversion, ToAndFromSi)
{
    EXPECT_EQ(ToSI(kQuantityTemperature, 1, 20), 293.15);
    EXPECT_EQ(FromSI(kQuantityTemperature, 2, 293.15), 1.8 * 293.15 - 459.67);
    EXPECT_EQ(G(FromSI(kQuantityTemperature, 2, 293.15)), "68");
    EXPECT_EQ(G(FromSI(kQuantityTemperature, 0, 293.15)), "293.15");
    EXPECT_EQ(ToSI(kQuantityTemperature, 2, 68), 0.5555555555555556 * 68 + 255.37);
    EXPECT_EQ(G(FromSI(kQuantityTemperature, 1, 300.123456)), "26.9735");
    EXPECT_EQ(FromSI(kQuantityPressure, UnitIndex(kQuantityPressure, "MPa"), 100000), 0.1);
    EXPECT_EQ(FromSI(kQuantityPressure, UnitIndex(kQuantityPressure, "kPa"), 100000), 100.0);
    EXPECT_EQ(ToSI(kQuantityPressure, UnitIndex(kQuantityPressure, "bar"), 1.5), 150000.0);
    EXPECT_EQ(ToSI(kQuantityPercent, 0, 42.5), 42.5);
    EXPECT_EQ(FromSI(kQuantityDimensionless, 0, 0.71), 0.71);
}

// A unit outside the list is never offered by a page; should one arrive,
// it gives not-a-number rather than a plausible number or a crash.
TEST(UnitConversion, UnitsOutsideTheListGiveNotANumber)
{
    EXPECT_TRUE(std::isnan(ConvertUnits(kQuantityLength, 0, 9, 1)));
    EXPECT_TRUE(std::isnan(ConvertUnits(kQuantityLength, -1, 0, 1)));
    EXPECT_TRUE(std::isnan(ConvertUnits(kQuantityTemperature, 4, 0, 1)));
    EXPECT_TRUE(std::isnan(ConvertUnits(kQuantityTemperature, 0, 1000, 1)));
    EXPECT_TRUE(std::isnan(ConvertUnits(1050, 0, 0, 1)));
    EXPECT_TRUE(std::isnan(ConvertUnits(kQuantityPercent, 0, 1, 1)));
    EXPECT_TRUE(std::isnan(ToSI(kQuantityTemperature, -1, 1)));
    EXPECT_TRUE(std::isnan(FromSI(kQuantityEnergy, 24, 1)));
    EXPECT_TRUE(std::isnan(ConversionPair(kQuantityTemperature, 0, 4).multiplier));
    EXPECT_TRUE(std::isnan(ConversionPair(kQuantityLength, 99, 0).offset));
}

TEST(UnitConversion, ExtremeValuesPassThrough)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ConvertUnits(kQuantityEnergy, 14, 0, 1e300), inf);
    EXPECT_EQ(ConvertUnits(kQuantityLength, 7, 0, -inf), -inf);
    EXPECT_TRUE(std::isnan(ConvertUnits(kQuantityTemperature, 1, 2, std::nan(""))));
    EXPECT_EQ(ConvertUnits(kQuantityLength, 0, 1, 0.0), 0.0);
}

TEST(UnitConversion, AResultThatFitsADoubleIsGivenWhereTheProductOverflows)
{
    const double max = std::numeric_limits<double>::max();
    for (int q : AllQuantities()) {
        if (q == kQuantityTemperature)
            continue;
        for (int f = 0; f < UnitCount(q); ++f)
            for (int t = 0; t < UnitCount(q); ++t) {
                const double ratio = UnitFactor(q, f) / UnitFactor(q, t);
                for (double sign : {1.0, -1.0}) {
                    const double v = sign * 0.5 * max / std::max(ratio, 1.0);
                    const double converted = ConvertUnits(q, f, t, v);
                    ASSERT_TRUE(std::isfinite(converted)) << q << " from " << f << " to " << t;
                    EXPECT_NEAR(converted / (v * ratio), 1.0, 1e-15) << q << " from " << f << " to " << t;
                }
            }
    }
    // What does not fit stays infinite.
    for (int u = 0; u < UnitCount(kQuantityLength); ++u) {
        if (UnitFactor(kQuantityLength, u) > 1) {
            EXPECT_EQ(ConvertUnits(kQuantityLength, u, 0, max), std::numeric_limits<double>::infinity()) << u;
        }
    }
}

TEST(UnitCatalogue, Comments)
{
    EXPECT_EQ(QuantityComment(kQuantitySpecificHeat), LoadText(10016));
    EXPECT_EQ(QuantityComment(kQuantitySpecificHeat).rfind("Komentarz:\n Patrz jednostki energii", 0), 0u);
    EXPECT_EQ(QuantityComment(kQuantityTemperature), QuantityComment(kQuantityTemperatureDifference));
    EXPECT_NE(QuantityComment(kQuantityTemperature).find('\t'), std::string::npos);
    for (int q : AllQuantities())
        EXPECT_EQ(QuantityComment(q).rfind("Komentarz:", 0), 0u) << q;
    EXPECT_EQ(QuantityComment(kQuantityPercent), "");
    EXPECT_EQ(QuantityComment(kQuantityDimensionless), "");
}

TEST(PolishOrder, AllQuantityNamesInPolishOrder)
{
    const std::vector<std::string> expected = {
        "Ciepło właściwe", "Ciśnienie", "Czas", "Długość", "Dyfuzyjność cieplna", "Energia", "Entalpia",
        "Gęstość", "Jednostkowa strata ciśnienia", "Kąt płaski", "Lepkość dynamiczna", "Lepkość kinematyczna",
        "Masa", "Moc", "Moment", "Napięcie powierzchniowe", "Objętość", "Objętość właściwa", "Pole powierzchni",
        "Prędkość", "Prędkość kątowa", "Przewodność cieplna", "Rozszerzalność objętościowa",
        "Różnica temperatury", "Siła", "Strumień masy", "Strumień objętości", "Temperatura",
        "Współczynnik przejmowania ciepła", "Współczynnik przenikania ciepła", "Zawartość wilgoci"};
    std::vector<std::string> names;
    for (int q : AllQuantities())
        names.push_back(QuantityName(q));
    std::sort(names.begin(), names.end(), PolishLess);
    EXPECT_EQ(names, expected);
    // Reverse input sorts the same way.
    std::vector<std::string> reversed(expected.rbegin(), expected.rend());
    std::stable_sort(reversed.begin(), reversed.end(), PolishLess);
    EXPECT_EQ(reversed, expected);
}

TEST(PolishOrder, LettersBlanksCaseAndBadBytes)
{
    // Each Polish letter with a diacritic right after its base letter.
    EXPECT_TRUE(PolishLess("a", "ą"));
    EXPECT_TRUE(PolishLess("ą", "b"));
    EXPECT_TRUE(PolishLess("lz", "ła"));
    EXPECT_TRUE(PolishLess("ł", "m"));
    EXPECT_TRUE(PolishLess("oz", "óa"));
    EXPECT_TRUE(PolishLess("sz", "śa"));
    EXPECT_TRUE(PolishLess("z", "ź"));
    EXPECT_TRUE(PolishLess("ź", "ż"));
    EXPECT_TRUE(PolishLess("nz", "ńa"));
    // Case does not decide before the letters do.
    EXPECT_TRUE(PolishLess("Ąb", "ąc"));
    EXPECT_TRUE(PolishLess("ŁA", "ma"));
    EXPECT_TRUE(PolishLess("Ża", "żb"));
    EXPECT_TRUE(PolishLess("mg", "Mg"));
    EXPECT_FALSE(PolishLess("Mg", "mg"));
    // Blank before letters; a prefix first; digits before letters.
    EXPECT_TRUE(PolishLess("Moc", "Moc x"));
    EXPECT_TRUE(PolishLess("ab c", "abc"));
    EXPECT_TRUE(PolishLess("9", "a"));
    EXPECT_TRUE(PolishLess("10", "9a")); // character by character, not by value
    EXPECT_EQ(PolishCompare("", ""), 0);
    EXPECT_EQ(PolishCompare("Siła", "Siła"), 0);
    EXPECT_TRUE(PolishLess("", "a"));
    // Invalid UTF-8 neither crashes nor breaks the order's strictness.
    const std::string bad1 = "a\xC4";
    const std::string bad2 = "a\xFF\x80";
    const std::string bad3 = "\xE2\x82";
    EXPECT_NE(PolishCompare(bad1, bad2), 0);
    EXPECT_EQ(PolishCompare(bad1, bad2), -PolishCompare(bad2, bad1));
    EXPECT_TRUE(PolishLess("a", bad1));
    EXPECT_NE(PolishCompare(bad3, "a"), 0);
    EXPECT_EQ(PolishCompare(bad3, bad3), 0);
}
