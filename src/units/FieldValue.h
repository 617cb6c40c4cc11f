// The arithmetic of a unit-bound field: an SI value shown in the unit that
// the field's combo box selects. No Qt here.
#pragma once

#include <string>
#include <string_view>

enum class FieldRole {
    Input,   // the user types the value; each change goes to the model
    Output,  // the program writes it after each computation
};

// How a field shows its value. Every field starts in the SI unit (index 0):
// factor 1, pairs (1, 0). Only a unit change alters it.
struct FieldScale {
    int quantity = 0;
    FieldRole role = FieldRole::Output;
    double factor = 1.0;             // SI units per shown unit (not temperature)
    double displayMultiplier = 1.0;  // temperature: pair ("K", unit)
    double displayOffset = 0.0;
    double inputMultiplier = 1.0;    // temperature input: pair (unit, "K")
    double inputOffset = 0.0;

    bool IsTemperature() const;
    // Percent and dimensionless fields have one unit and never change scale.
    bool HasUnits() const;
};

FieldScale MakeFieldScale(int quantity, FieldRole role);

// "%g" of the value in the shown unit: temperature multiplier x SI + offset,
// anything else SI / factor. Printed with the program's decimal separator.
// A finite value that overflows in the shown unit prints as the largest
// double of its sign; inf and nan print as such.
std::string FormatFieldValue(double si, const FieldScale& scale);

// The SI value of a field text, read as atof reads (its number prefix, 0
// without one): temperature input multiplier x value + offset, anything
// else value x factor.
double ParseFieldValue(std::string_view text, const FieldScale& scale);

// A unit change: the factor (or the temperature pairs) of the selected unit.
// Returns false, changing nothing, for a percent or dimensionless field and
// for a unit outside the quantity's list (no selection, say).
bool SelectFieldUnit(FieldScale& scale, int unit);
