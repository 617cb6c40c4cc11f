// Units: the catalogue asked about any quantity number and unit index,
// conversions of any double, the unit-bound fields' arithmetic, and the
// command line's unit names, values and ranges read from any text.
#include <algorithm>
#include <limits>

#include "FuzzInput.h"
#include "base/NumberText.h"
#include "cli/CliCore.h"
#include "units/FieldValue.h"
#include "units/Units.h"

namespace {

using fuzz::Same;
using fuzz::Show;

// Valid UTF-8 (no overlong forms, no surrogates): names and comments are
// shown by the windows and printed by the command line as they stand.
bool IsUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        unsigned min = 0;
        unsigned code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1, min = 0x80, code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, min = 0x800, code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, min = 0x10000, code = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= text.size())
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0) != 0x80)
                return false;
            code = code << 6 | (d & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

int AnyQuantity(fuzz::Input& in)
{
    switch (in.Below(4)) {
    case 0: return kQuantityPercent;
    case 1: return kQuantityDimensionless;
    case 2: return in.Int();
    default: return kQuantityFirst + kQuantityStep * static_cast<int>(in.Below(kQuantityCount));
    }
}

// A unit index: mostly within the list, sometimes just outside or anywhere.
int AnyUnit(fuzz::Input& in, int quantity)
{
    const int count = UnitCount(quantity);
    if (in.Below(4) == 0)
        return in.Int();
    return static_cast<int>(in.Below(static_cast<unsigned>(count + 2))) - 1;
}

bool Close(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b)) + 1e-300;
}

void CheckCatalogue(fuzz::Input& in)
{
    const int quantity = AnyQuantity(in);
    const int count = UnitCount(quantity);
    const bool known = QuantityIndex(quantity) >= 0 || quantity == kQuantityPercent
        || quantity == kQuantityDimensionless;
    FUZZ_CHECK(count >= 0 && count <= kMaxUnits, std::to_string(count) + " units");
    FUZZ_CHECK(known == (count > 0), "a quantity without units, or units of no quantity");
    FUZZ_CHECK(IsUtf8(QuantityName(quantity)) && IsUtf8(QuantityComment(quantity)), "not UTF-8");
    FUZZ_CHECK(!known || !QuantityName(quantity).empty(), "a quantity without a name");

    const int from = AnyUnit(in, quantity);
    const int to = AnyUnit(in, quantity);
    const bool valid = from >= 0 && from < count && to >= 0 && to < count;
    FUZZ_CHECK(IsUtf8(UnitName(quantity, from)), "unit name not UTF-8");
    if (from >= 0 && from < count)
        FUZZ_CHECK(!UnitName(quantity, from).empty(), "a unit without a name");

    const double factor = UnitFactor(quantity, from);
    FUZZ_CHECK(std::isfinite(factor) && factor >= 0, "factor " + Show(factor));
    if (valid && quantity != kQuantityTemperature)
        FUZZ_CHECK(factor > 0, "a unit of the list with no factor");

    const double value = in.Double();
    const double converted = ConvertUnits(quantity, from, to, value);
    const ConversionPairResult pair = ConversionPair(quantity, from, to);
    if (!valid) {
        FUZZ_CHECK(std::isnan(converted) && std::isnan(pair.multiplier), "a bad unit gave a number");
        return;
    }
    FUZZ_CHECK(std::isfinite(pair.multiplier) && pair.multiplier > 0 && std::isfinite(pair.offset), "pair");
    if (!std::isfinite(value)) {
        FUZZ_CHECK(std::isnan(value) == std::isnan(converted), "a value that is not finite converted");
        return;
    }
    // The result in long double, where no double can overflow: where it
    // fits a double, the conversion gives it, to rounding.
    const long double exact = static_cast<long double>(pair.multiplier) * value + pair.offset;
    if (std::fabs(exact) < 0.999L * std::numeric_limits<double>::max()) {
        FUZZ_CHECK(std::isfinite(converted), Show(value) + " converted to " + Show(converted));
        FUZZ_CHECK(std::fabs(converted - exact) <= 1e-12L * std::fabs(exact) + 1e-12L,
                   Show(value) + " converted to " + Show(converted));
    }
    // Through SI and back: the value again, to rounding; a temperature in
    // "st F" to 0.0036 more, its offset to K being 255.37, not 255.372.
    const double si = ToSI(quantity, from, value);
    if (std::isfinite(si) && std::fabs(value) < 1e290 && std::fabs(value) > 1e-290) {
        const double shown = FromSI(quantity, from, si);
        const double slack = quantity == kQuantityTemperature ? 0.005 : 1e-9;
        FUZZ_CHECK(Close(shown, value) || std::fabs(shown - value) < slack,
                   Show(value) + " back from SI as " + Show(shown));
    }
}

void CheckField(fuzz::Input& in)
{
    const int quantity = AnyQuantity(in);
    FieldScale scale = MakeFieldScale(quantity, FieldRole::Input);
    const int unit = AnyUnit(in, quantity);
    const FieldScale before = scale;
    const bool changed = SelectFieldUnit(scale, unit);
    if (!changed)
        FUZZ_CHECK(Same(before.factor, scale.factor) && Same(before.displayMultiplier, scale.displayMultiplier)
                       && Same(before.displayOffset, scale.displayOffset)
                       && Same(before.inputMultiplier, scale.inputMultiplier)
                       && Same(before.inputOffset, scale.inputOffset),
                   "a refused unit changed the scale");
    else
        FUZZ_CHECK(scale.HasUnits() && unit >= 0 && unit < UnitCount(quantity), "a unit taken where none exists");
    FUZZ_CHECK(std::isfinite(scale.factor) && scale.factor > 0, "field factor");
    const int shownUnit = changed ? unit : 0;
    const bool catalogued = UnitCount(quantity) > 0;
    SetDecimalSeparator(in.Bit() ? ',' : '.');

    // A field shows and reads what the catalogue converts, to the six
    // digits it shows.
    const double si = in.Double();
    const std::string text = FormatFieldValue(si, scale);
    FUZZ_CHECK(!text.empty(), "an empty field text");
    const double shown = ParseNumber(text);
    if (catalogued && std::isfinite(si)) {
        const double expected = FromSI(quantity, shownUnit, si);
        if (std::isfinite(expected) && std::fabs(expected) > 1e-290)
            FUZZ_CHECK(std::fabs(shown - expected) <= 1e-5 * std::fabs(expected),
                       text + " shown for " + Show(expected));
    }
    const std::string typed = in.Text();
    const double read = ParseFieldValue(typed, scale);
    const double number = ParseNumber(typed);
    if (catalogued && std::isfinite(number) && std::fabs(number) < 1e290) {
        const double expected = ToSI(quantity, shownUnit, number);
        FUZZ_CHECK(std::fabs(read - expected) <= 1e-12 * std::fabs(expected) + 1e-12,
                   "\"" + typed + "\" read as " + Show(read) + ", not " + Show(expected));
    }
}

void CheckCommandLine(fuzz::Input& in)
{
    using namespace cli;
    const char separator = in.Bit() ? ',' : '.';
    const std::string first = in.Text(40);
    const std::string second = in.Text(40);
    const int quantity = AnyQuantity(in);

    const int unit = FindUnit(quantity, first);
    FUZZ_CHECK(unit >= -1 && unit < UnitCount(quantity), "unit " + std::to_string(unit));
    if (unit >= 0)
        FUZZ_CHECK(UnitNames(quantity).at(static_cast<std::size_t>(unit)).size() == first.size(),
                   "a unit found by another name");
    const int named = FindQuantity(first);
    FUZZ_CHECK(named == 0 || UnitCount(named) > 0, "a quantity found that has no units");
    for (int q : QuantitiesWithUnits(first, second))
        FUZZ_CHECK(FindUnit(q, first) >= 0 && FindUnit(q, second) >= 0, "a quantity without both units");
    try {
        const UnitPair pair = ResolveUnits(in.Bit() ? &second : nullptr, first, second, "convert");
        FUZZ_CHECK(pair.from >= 0 && pair.from < UnitCount(pair.quantity) && pair.to >= 0
                       && pair.to < UnitCount(pair.quantity),
                   "resolved to units outside the list");
    } catch (const UsageError& e) {
        FUZZ_CHECK(e.Command() == "convert" && *e.what() != '\0', "a usage error without its command");
    }

    // A value or a range as an option holds it.
    const std::string text = in.Text();
    const bool ranges = in.Bit();
    try {
        const QuantityValues values = ParseQuantityValue(text, quantity, separator, ranges, "x", "water");
        FUZZ_CHECK(values.Size() >= 1 && values.Size() <= kMaxRows, "range size");
        FUZZ_CHECK(ranges || (!values.range && values.Size() == 1), "a range where none is allowed");
        if (values.range) {
            const std::size_t n = values.Size();
            const double a = values.shown[0];
            const double b = values.shown[n - 1];
            FUZZ_CHECK(std::isfinite(a) && std::isfinite(b), "a range with a value that is not finite");
            for (std::size_t i : {std::size_t{0}, n / 2, n - 1})
                FUZZ_CHECK(std::isfinite(values.shown[i]), "range value");
        }
    } catch (const UsageError& e) {
        FUZZ_CHECK(e.Command() == "water" && std::string(e.what()).starts_with("--x"),
                   std::string("usage error: ") + e.what());
    }
    try {
        const double v = FiniteQuantityValue(text, quantity, separator, "x", "flow");
        FUZZ_CHECK(std::isfinite(v), "a finite value that is not");
    } catch (const UsageError&) {
    }

    // Ranges from their three numbers, any of them.
    const double start = in.Double();
    const double stop = in.Double();
    const double step = in.Double(-10, 10);
    try {
        const ValueRange r = ExpandRange(start, stop, step, "x", "air");
        FUZZ_CHECK(std::isfinite(start) && std::isfinite(stop) && std::isfinite(step) && step != 0,
                   "a range of " + Show(start) + ":" + Show(stop) + ":" + Show(step));
        const std::size_t n = r.Size();
        FUZZ_CHECK(n >= 1 && n <= kMaxRows, "range size " + std::to_string(n));
        // A value within a billionth of a step of the end is the end.
        FUZZ_CHECK(r[0] == start || std::fabs(r[0] - start) <= std::fabs(step) * 1e-9,
                   "the range starts at " + Show(r[0]) + ", not " + Show(start));
        const double lo = std::min(start, stop);
        const double hi = std::max(start, stop);
        const double slack = std::fabs(step) * 1e-6;
        for (std::size_t i : {std::size_t{0}, n / 3, n / 2, n - 1}) {
            const double v = r[i];
            FUZZ_CHECK(std::isfinite(v) && v >= lo - slack && v <= hi + slack,
                       "value " + std::to_string(i) + " of the range " + Show(start) + ":" + Show(stop) + ":"
                           + Show(step) + " is " + Show(v));
        }
    } catch (const UsageError& e) {
        FUZZ_CHECK(e.Command() == "air", "a range error without its command");
    }
    int integerValue = 0;
    try {
        integerValue = ParseInteger(text, -5, 5, "n", "size");
        FUZZ_CHECK(integerValue >= -5 && integerValue <= 5, "integer outside its bounds");
    } catch (const UsageError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    while (!in.Empty()) {
        switch (in.Below(3)) {
        case 0: CheckCatalogue(in); break;
        case 1: CheckField(in); break;
        default: CheckCommandLine(in); break;
        }
    }
    return 0;
}
