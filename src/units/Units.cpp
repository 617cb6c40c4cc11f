#include "units/Units.h"

#include <cmath>
#include <limits>

#include "base/StringTable.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// SI units per unit, row = quantity index, column = unit index; the stored
// doubles as the catalogue has always had them (0.27777777 for "km/h", not
// 1/3.6), because every page's printed numbers follow from them.
// Row 21 (temperature) holds no factors: see kTemperature.
constexpr double kFactors[kQuantityCount][kMaxUnits] = {
    // 1000 length
    {1, 0.001, 0.01, 1000, 0.0254, 0.3048, 0.9144, 1609.344, 1853.18},
    // 1100 area
    {1, 1e-06, 0.0001, 100, 10000, 1000000, 0.00064516, 0.09290304, 0.83612736, 4046.86, 2589988.110336},
    // 1200 volume
    // (The US gallon and the US bushel are 231 and 2150.42 cubic inches.)
    {1, 0.001, 1e-06, 0.001, 0.1, 1.6387064e-05, 0.0283168466, 0.764554858, 0.004546, 0.003785411784, 0.036368,
     0.03523907},
    // 1300 velocity
    {1, 0.3048, 0.00508, 0.27777777, 0.44704, 0.514778},
    // 1400 mass
    {1, 1e-06, 0.001, 0.01, 100, 1000, 9.80665, 0.001771835938, 0.028349375, 0.45359, 50.80241, 1000, 1016.048,
     907.186},
    // 1500 mass flow rate
    {1, 0.000277777777, 0.2777777, 0.011574, 0.000126, 0.282236, 0.251996111},
    // 1600 volume flow rate
    {1, 0.000277777777, 0.001, 1.6666666e-05, 7.86583333e-06, 0.00047195, 7.57694444e-05, 6.30916667e-05},
    // 1700 force
    {1, 1e-05, 9.80665, 9.80665, 4.4482, 0.1383},
    // 1800 moment of force
    {1, 9.80665, 9.80665, 1.3558, 0.113},
    // 1900 pressure
    {1, 100, 1000, 1000000, 100, 100000, 100000000, 0.1, 9.80665, 9.80665, 98066.5, 98066.5, 6894.76, 6894.76,
     101325, 98066.5, 133.3224, 9.80665, 9806.65, 249.1, 2989, 133.3224, 1333.224, 3386},
    // 2000 density
    {1, 1000, 27679.9, 16.0185},
    // 2100 kinematic viscosity
    {1, 0.0001, 0.00027777777, 0.0929, 2.581e-05},
    // 2200 dynamic viscosity
    {1, 0.1, 9.80665, 9.80665, 35304, 35304, 0.0002777777, 47.88, 1.488},
    // 2300 energy
    {1, 1000, 1000000, 1000000000, 1000000000000, 4.1868, 4186.8, 4186800, 4186800000, 4186800000000, 3600,
     3600000, 3600000000, 3600000000000, 3600000000000000, 9.80665, 9.80665, 1.3558, 1055.06, 4.1855, 4.184,
     1e-07, 2647800, 1.60206e-19},
    // 2400 power
    {1, 1000, 1000000, 1000000000, 1000000000000, 0.000277777, 0.277777, 277.777, 277777, 277777000, 0.001163,
     1.163, 1163, 1163000, 1163000000, 4.1868, 0.293, 1.3558, 9.80665, 9.80665, 735.5, 745.7},
    // 2500 specific enthalpy
    {1, 1000, 1000000, 4186, 4186, 2326, 9.80665, 2.98907, 3600000},
    // 2600 specific heat
    {1, 1000, 4186.8, 4186.8, 4186.8},
    // 2700 thermal conductivity
    {1, 100, 1.163, 418.68, 0.2777777, 1.731, 0.1442},
    // 2800 overall heat transfer coefficient
    {1, 10000, 1.163, 41868, 5.678263},
    // 2900 surface heat transfer coefficient
    {1, 10000, 1.163, 41868, 5.678263},
    // 3000 thermal diffusivity
    {1, 0.0001, 0.00027777777, 0.0929, 2.581e-05},
    // 3100 temperature: no factors
    {},
    // 3200 volumetric expansion coefficient
    {1},
    // 3300 surface tension
    {1},
    // 3400 specific volume
    {1, 0.001, 3.612729814775e-05, 0.06242781783563},
    // 3500 temperature difference: an ordinary row
    {1, 1, 0.5555555555555556, 0.5555555555555556},
    // 3600 time
    {1, 0.001, 60, 3600, 86400, 2592000, 2678400, 31104000, 31536000},
    // 3700 pressure loss per unit length
    {1},
    // 3800 plane angle
    {1, 0.01745329252, 0.0002908882087, 4.848136811e-06, 0.01570796327},
    // 3900 angular velocity
    {1, 6.2831853007, 0.1047197551, 6.2831853007, 0.1047197551},
    // 4000 moisture content
    {1, 0.001},
};

constexpr int kUnitCounts[kQuantityCount] = {9, 11, 12, 6, 14, 7, 8, 6, 5, 24, 4, 5, 9, 24, 22, 9,
                                             5, 7,  5,  5, 5,  4, 1, 1, 4, 4,  9, 1, 5, 5,  2};

constexpr int kTemperatureUnits = 4;

// value in "to" = multiplier x value in "from" + offset; units "K", "st C",
// "st F", "st Rank". The "st F" to "K" offset is 255.37 as it has always
// been (so 32 "st F" is 273.148 K), not 255.372.
constexpr ConversionPairResult kTemperature[kTemperatureUnits][kTemperatureUnits] = {
    {{1, 0}, {1, -273.15}, {1.8, -459.67}, {1.8, 0}},
    {{1, 273.15}, {1, 0}, {1.8, 32}, {1.8, 491.67}},
    {{0.5555555555555556, 255.37}, {0.5555555555555556, -17.77777777777778}, {1, 0}, {1, 459.67}},
    {{0.5555555555555556, 0}, {0.5555555555555556, -273.15}, {1, -459.67}, {1, 0}},
};

bool SingleUnitQuantity(int quantity)
{
    return quantity == kQuantityPercent || quantity == kQuantityDimensionless;
}

bool ValidUnit(int quantity, int unit)
{
    return unit >= 0 && unit < UnitCount(quantity);
}

} // namespace

int QuantityIndex(int quantity)
{
    if (quantity < kQuantityFirst || quantity > kQuantityLast || quantity % kQuantityStep != 0)
        return -1;
    return (quantity - kQuantityFirst) / kQuantityStep;
}

int UnitCount(int quantity)
{
    if (SingleUnitQuantity(quantity))
        return 1;
    const int q = QuantityIndex(quantity);
    return q < 0 ? 0 : kUnitCounts[q];
}

double UnitFactor(int quantity, int unit)
{
    if (SingleUnitQuantity(quantity))
        return unit == 0 ? 1.0 : 0.0;
    const int q = QuantityIndex(quantity);
    if (q < 0 || unit < 0 || unit >= kMaxUnits)
        return 0.0;
    return kFactors[q][unit];
}

ConversionPairResult ConversionPair(int quantity, int fromUnit, int toUnit)
{
    if (!ValidUnit(quantity, fromUnit) || !ValidUnit(quantity, toUnit))
        return {kNaN, kNaN};
    if (quantity == kQuantityTemperature)
        return kTemperature[fromUnit][toUnit];
    return {UnitFactor(quantity, fromUnit) / UnitFactor(quantity, toUnit), 0.0};
}

double ConvertUnits(int quantity, int fromUnit, int toUnit, double value)
{
    if (!ValidUnit(quantity, fromUnit) || !ValidUnit(quantity, toUnit))
        return kNaN;
    if (quantity == kQuantityTemperature) {
        const ConversionPairResult& p = kTemperature[fromUnit][toUnit];
        return p.multiplier * value + p.offset;
    }
    const double from = UnitFactor(quantity, fromUnit);
    const double to = UnitFactor(quantity, toUnit);
    const double result = value * from / to;
    // value x from may overflow where the result fits (1e307 km in m... in
    // miles): then through the ratio, which cannot overflow on the way.
    if (std::isinf(result) && std::isfinite(value))
        return value * (from / to);
    return result;
}

double ToSI(int quantity, int unit, double shown)
{
    if (!ValidUnit(quantity, unit))
        return kNaN;
    if (quantity == kQuantityTemperature) {
        const ConversionPairResult& p = kTemperature[unit][0];
        return p.multiplier * shown + p.offset;
    }
    return shown * UnitFactor(quantity, unit);
}

double FromSI(int quantity, int unit, double si)
{
    if (!ValidUnit(quantity, unit))
        return kNaN;
    if (quantity == kQuantityTemperature) {
        const ConversionPairResult& p = kTemperature[0][unit];
        return p.multiplier * si + p.offset;
    }
    return si / UnitFactor(quantity, unit);
}

std::string QuantityComment(int quantity)
{
    const int q = QuantityIndex(quantity);
    return q < 0 ? std::string() : LoadText(kCommentBase + q);
}

std::string QuantityName(int quantity)
{
    if (QuantityIndex(quantity) < 0 && !SingleUnitQuantity(quantity))
        return {};
    return LoadText(quantity);
}

std::string UnitName(int quantity, int unit)
{
    if (!ValidUnit(quantity, unit))
        return {};
    return LoadText(quantity + 1 + unit);
}
