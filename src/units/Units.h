// The catalogue of physical quantities and their units.
//
// A quantity is addressed by its number, which is also the string id of its
// name: 1000 + 100 x index for the 31 convertible quantities (1000 "Długość"
// to 4000 "Zawartość wilgoci"), plus 9800 "Procent" and 9900 "Wielkość
// bezwymiarowa", which have a single unit and no factors. A unit is
// addressed by its 0-based position in the quantity's list; unit 0 is the
// SI unit, and the unit's name is string id quantity + 1 + unit.
//
// Every value is held in SI: SI value = shown value x factor. Temperature
// (3100) is the exception; it converts through (multiplier, offset) pairs.
#pragma once

#include <string>

#include "units/Quantities.h"

inline constexpr int kCommentBase = 10000;  // comment id = 10000 + index

// The factor store's shape: no quantity has more units than this.
inline constexpr int kMaxUnits = 50;

// (number - 1000) / 100 for the 31 convertible quantities, 0..30; -1 for any
// other number (9800 and 9900 included), which has no factor row.
int QuantityIndex(int quantity);

// Number of units in the quantity's list: 1..24 for the convertible ones,
// 1 for 9800 and 9900, 0 for an unknown number.
int UnitCount(int quantity);

// SI units in one of the unit. 1 for the single unit of 9800 and 9900.
// 0 for a cell outside the quantity's list (and for every temperature unit,
// whose row holds the (multiplier, offset) matrix instead of factors).
double UnitFactor(int quantity, int unit);

// value in toUnit = multiplier x value in fromUnit + offset.
struct ConversionPairResult {
    double multiplier;
    double offset;
};

// Temperature: the matrix pair (fromUnit, toUnit). Any other quantity:
// (factor(fromUnit) / factor(toUnit), 0). A unit outside the quantity's
// list gives (NaN, NaN), so a bad index shows as "nan", never as a number.
ConversionPairResult ConversionPair(int quantity, int fromUnit, int toUnit);

// Temperature: multiplier x value + offset of the matrix pair. Otherwise
// value x factor(from) / factor(to), multiplied before it is divided (which
// can differ from the value x pair multiplier in the last bit). NaN for a
// unit outside the list.
double ConvertUnits(int quantity, int fromUnit, int toUnit, double value);

// Shown value -> SI (shown x factor; temperature: pair (unit, "K")), and
// back (SI / factor; temperature: pair ("K", unit)). NaN for a unit outside
// the list.
double ToSI(int quantity, int unit, double shown);
double FromSI(int quantity, int unit, double si);

// The quantity's comment (string 10000 + index), UTF-8, with its line
// breaks and tabs; empty for a number without a comment.
std::string QuantityComment(int quantity);

// Name of a quantity and of one of its units, from the string table;
// empty when the table has none.
std::string QuantityName(int quantity);
std::string UnitName(int quantity, int unit);
