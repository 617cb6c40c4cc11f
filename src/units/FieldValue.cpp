#include "units/FieldValue.h"

#include <cmath>
#include <limits>

#include "base/NumberText.h"
#include "units/Units.h"

bool FieldScale::IsTemperature() const { return quantity == kQuantityTemperature; }

bool FieldScale::HasUnits() const { return QuantityIndex(quantity) >= 0; }

FieldScale MakeFieldScale(int quantity, FieldRole role)
{
    FieldScale scale;
    scale.quantity = quantity;
    scale.role = role;
    return scale;
}

std::string FormatFieldValue(double si, const FieldScale& scale)
{
    double shown = scale.IsTemperature() ? scale.displayMultiplier * si + scale.displayOffset : si / scale.factor;
    // A finite value past the largest double in a smaller unit (9e307 kg/s
    // in kg/h) is shown as the largest double, as near as a field can come,
    // not as inf: inf would say the value is not a number.
    if (std::isinf(shown) && std::isfinite(si))
        shown = std::copysign(std::numeric_limits<double>::max(), shown);
    return FormatG(shown);
}

double ParseFieldValue(std::string_view text, const FieldScale& scale)
{
    const double x = ParseNumber(text);
    if (scale.IsTemperature() && scale.role == FieldRole::Input)
        return scale.inputMultiplier * x + scale.inputOffset;
    return x * scale.factor;
}

bool SelectFieldUnit(FieldScale& scale, int unit)
{
    if (!scale.HasUnits() || unit < 0 || unit >= UnitCount(scale.quantity))
        return false;
    if (scale.IsTemperature()) {
        const ConversionPairResult display = ConversionPair(scale.quantity, 0, unit);
        scale.displayMultiplier = display.multiplier;
        scale.displayOffset = display.offset;
        if (scale.role == FieldRole::Input) {
            const ConversionPairResult input = ConversionPair(scale.quantity, unit, 0);
            scale.inputMultiplier = input.multiplier;
            scale.inputOffset = input.offset;
        }
    } else {
        scale.factor = UnitFactor(scale.quantity, unit);
    }
    return true;
}
