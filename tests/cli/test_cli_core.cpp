// The pure parts of the command-line program: arguments, values with
// units, ranges and the machine-readable writers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "CliTestSupport.h"
#include "base/NumberText.h"
#include "cli/CliCore.h"
#include "media/Messages.h"
#include "units/Units.h"

using namespace cli;

namespace {

ArgumentSpec WaterLikeSpec()
{
    ArgumentSpec spec;
    spec.valueOptions = {"temperature", "pressure"};
    spec.flags = {"json", "csv"};
    return spec;
}

TEST(CliArguments, KeepsOptionOrderAndBothSpellings)
{
    const ParsedArguments p =
        ParseArguments({"--pressure", "1 bar", "--temperature=20 st C", "--json", "--pressure", "-5"},
                       WaterLikeSpec(), "water");
    ASSERT_EQ(p.options.size(), 3u);
    EXPECT_EQ(p.options[0], (std::pair<std::string, std::string>{"pressure", "1 bar"}));
    EXPECT_EQ(p.options[1], (std::pair<std::string, std::string>{"temperature", "20 st C"}));
    // A value that begins with a minus sign is a value, not an option.
    EXPECT_EQ(p.options[2], (std::pair<std::string, std::string>{"pressure", "-5"}));
    EXPECT_TRUE(p.Has("json"));
    EXPECT_FALSE(p.Has("csv"));
    EXPECT_EQ(*p.Last("pressure"), "-5");
    EXPECT_EQ(p.Last("nothing"), nullptr);
}

TEST(CliArguments, RefusesWhatTheCommandDoesNotKnow)
{
    const ArgumentSpec spec = WaterLikeSpec();
    auto message = [&](std::vector<std::string> args) {
        try {
            ParseArguments(args, spec, "water");
        } catch (const UsageError& e) {
            EXPECT_EQ(e.Command(), "water");
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message({"--colour", "red"}), "unknown option --colour");
    EXPECT_EQ(message({"--temperature"}), "option --temperature needs a value");
    EXPECT_EQ(message({"--json=yes"}), "option --json takes no value");
    EXPECT_EQ(message({"stray"}), "unexpected argument \"stray\"");
}

TEST(CliArguments, PositionalsHelpAndEndOfOptions)
{
    ArgumentSpec spec;
    spec.valueOptions = {"quantity"};
    spec.minPositionals = 3;
    spec.maxPositionals = 3;
    const ParsedArguments p = ParseArguments({"-5", "--", "--x", "m"}, spec, "convert");
    EXPECT_EQ(p.positionals, (std::vector<std::string>{"-5", "--x", "m"}));
    EXPECT_TRUE(ParseArguments({"-h"}, spec, "convert").help);
    EXPECT_TRUE(ParseArguments({"1", "--help"}, spec, "convert").help);   // help wins over missing words
    EXPECT_THROW(ParseArguments({"1", "m"}, spec, "convert"), UsageError);
    EXPECT_THROW(ParseArguments({"1", "m", "km", "x"}, spec, "convert"), UsageError);
}

TEST(CliUnits, FindsUnitsAndQuantities)
{
    EXPECT_EQ(FindUnit(kQuantityTemperature, "st C"), 1);
    EXPECT_EQ(FindUnit(kQuantityPressure, "bar"), 5);
    EXPECT_EQ(FindUnit(kQuantityPressure, "BAR"), 5); // letter case is forgiven where unambiguous
    EXPECT_EQ(FindUnit(kQuantityPressure, "Pa"), 0);
    EXPECT_EQ(FindUnit(kQuantityPressure, "parsec"), -1);
    EXPECT_EQ(FindUnit(kQuantityPercent, "%"), 0);
    EXPECT_EQ(FindUnit(kQuantityDimensionless, "bez miana"), 0);
    EXPECT_EQ(UnitList(kQuantityTemperature), "K, st C, st F, st Rank");
    EXPECT_EQ(FindQuantity("3100"), kQuantityTemperature);
    EXPECT_EQ(FindQuantity("temperatura"), kQuantityTemperature);
    EXPECT_EQ(FindQuantity("Różnica temperatury"), kQuantityTemperatureDifference);
    EXPECT_EQ(FindQuantity("9800"), 0);        // not convertible
    EXPECT_EQ(FindQuantity("Nothing"), 0);
    EXPECT_EQ(QuantitiesWithUnits("mile", "m"), (std::vector<int>{kQuantityLength}));
    EXPECT_EQ(QuantitiesWithUnits("K", "st F"),
              (std::vector<int>{kQuantityTemperature, kQuantityTemperatureDifference}));
    EXPECT_TRUE(QuantitiesWithUnits("mile", "kg").empty());
}

class CliNumbers : public ::testing::TestWithParam<char> {};

TEST_P(CliNumbers, ReadsCSyntaxAndTheLocaleComma)
{
    const char sep = GetParam();
    double v = 0;
    EXPECT_EQ(ReadNumberPrefix("20.5 st C", sep, &v), 4u);
    EXPECT_DOUBLE_EQ(v, 20.5);
    EXPECT_EQ(ReadNumberPrefix("-1e3", sep, &v), 4u);
    EXPECT_DOUBLE_EQ(v, -1000);
    // The comma is a decimal separator only under a comma locale.
    const std::size_t commaLength = ReadNumberPrefix("20,5", sep, &v);
    if (sep == ',') {
        EXPECT_EQ(commaLength, 4u);
        EXPECT_DOUBLE_EQ(v, 20.5);
    } else {
        EXPECT_EQ(commaLength, 2u);
        EXPECT_DOUBLE_EQ(v, 20);
    }
    EXPECT_EQ(ReadNumberPrefix("abc", sep, &v), 0u);
    EXPECT_DOUBLE_EQ(ParsePlainNumber(" 7 ", sep, "x", "c"), 7);
    EXPECT_THROW(ParsePlainNumber("7x", sep, "x", "c"), UsageError);
    EXPECT_THROW(ParsePlainNumber("", sep, "x", "c"), UsageError);
    EXPECT_THROW(ParsePlainNumber("-", sep, "x", "c"), UsageError);
    EXPECT_THROW(ParsePlainNumber("nan", sep, "x", "c"), UsageError);
    EXPECT_THROW(ParsePlainNumber("inf", sep, "x", "c"), UsageError);
    EXPECT_THROW(ParsePlainNumber("1e999", sep, "x", "c"), UsageError);
}

TEST_P(CliNumbers, ValuesWithUnitsGoThroughToSI)
{
    const char sep = GetParam();
    QuantityValues t = ParseQuantityValue("20 st C", kQuantityTemperature, sep, false, "temperature", "water");
    ASSERT_EQ(t.Size(), 1u);
    EXPECT_DOUBLE_EQ(t.SI(0), 293.15);
    EXPECT_EQ(t.unit, 1);
    EXPECT_FALSE(t.range);
    EXPECT_DOUBLE_EQ(ParseQuantityValue("1 bar", kQuantityPressure, sep, false, "p", "w").SI(0), 100000);
    EXPECT_DOUBLE_EQ(ParseQuantityValue("68st F", kQuantityTemperature, sep, false, "t", "w").SI(0),
                     ToSI(kQuantityTemperature, 2, 68));
    EXPECT_DOUBLE_EQ(ParseQuantityValue("300", kQuantityTemperature, sep, false, "t", "w").SI(0), 300); // SI by default
    if (sep == ',')
        EXPECT_DOUBLE_EQ(ParseQuantityValue("1,5 bar", kQuantityPressure, sep, false, "p", "w").SI(0), 150000);
    else
        EXPECT_THROW(ParseQuantityValue("1,5 bar", kQuantityPressure, sep, false, "p", "w"), UsageError);
}

INSTANTIATE_TEST_SUITE_P(Separators, CliNumbers, ::testing::Values('.', ','));

TEST(CliValues, BadValuesListTheValidUnits)
{
    auto message = [](const std::string& text) {
        try {
            ParseQuantityValue(text, kQuantityTemperature, '.', true, "temperature", "water");
        } catch (const UsageError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message("20 stC"), "--temperature: unknown unit \"stC\"; valid units: K, st C, st F, st Rank");
    EXPECT_EQ(message("warm"), "--temperature: \"warm\" is not a number; valid units: K, st C, st F, st Rank");
    EXPECT_EQ(message("1:2"), "--temperature: a range is START:STOP:STEP, three numbers");
    EXPECT_EQ(message("1:2:3:4"), "--temperature: a range is START:STOP:STEP, three numbers");
    EXPECT_EQ(message("1:2:0"), "--temperature: the step of a range must not be 0");
    EXPECT_EQ(message("2:1:1"), "--temperature: the range is empty (the step goes away from the end)");
    EXPECT_EQ(message("0:1e9:1e-3"), "--temperature: the range has more than 1000000 values");
    EXPECT_THROW(ParseQuantityValue("1:2:1", kQuantityTemperature, '.', false, "t", "w"), UsageError);
}

TEST(CliValues, NonFiniteValuesReachTheModelsOnly)
{
    // The property commands leave them to the models' own message.
    EXPECT_TRUE(std::isnan(ParseQuantityValue("nan K", kQuantityTemperature, '.', true, "temperature", "water").SI(0)));
    EXPECT_TRUE(std::isinf(ParseQuantityValue("1e308 bar", kQuantityPressure, '.', true, "pressure", "water").SI(0)));
    EXPECT_TRUE(std::isinf(ParseQuantityValue("-inf", kQuantityPressure, '.', false, "pressure", "water").SI(0)));
    // The analyses take none.
    auto message = [](const std::string& text, int quantity) {
        try {
            FiniteQuantityValue(text, quantity, '.', "x", "flow");
        } catch (const UsageError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message("nan K", 3100), "--x: \"nan K\" is not a finite number; valid units: K, st C, st F, st Rank");
    EXPECT_EQ(message("1e308 bar", 1900), "--x: \"1e308 bar\" is too large");
    EXPECT_EQ(message("1 bar", 1900), "no error");
    EXPECT_EQ(FiniteQuantityValue("1 bar", kQuantityPressure, '.', "x", "flow"), 100000);
}

TEST(CliValues, RangesAreInclusiveInTheUnitWritten)
{
    const QuantityValues r =
        ParseQuantityValue("0:100:10 st C", kQuantityTemperature, '.', true, "temperature", "water");
    EXPECT_TRUE(r.range);
    ASSERT_EQ(r.Size(), 11u);
    EXPECT_DOUBLE_EQ(r.SI(0), 273.15);
    EXPECT_DOUBLE_EQ(r.SI(10), 373.15);
    // Steps that do not add up exactly still reach the end.
    const ValueRange tenths = ExpandRange(0, 1, 0.1, "x", "c");
    ASSERT_EQ(tenths.Size(), 11u);
    EXPECT_EQ(tenths[10], 1.0);
    EXPECT_DOUBLE_EQ(tenths[3], 0.3);
    EXPECT_EQ(ExpandRange(0, 0.3, 0.1, "x", "c").Size(), 4u);
    const ValueRange down = ExpandRange(10, 0, -2.5, "x", "c");
    ASSERT_EQ(down.Size(), 5u);
    EXPECT_EQ(down[1], 7.5);
    EXPECT_EQ(down[4], 0.0);
    const ValueRange single = ExpandRange(5, 5, 1, "x", "c");
    ASSERT_EQ(single.Size(), 1u);
    EXPECT_EQ(single[0], 5.0);
    EXPECT_EQ(ExpandRange(0, 0.95, 0.1, "x", "c").Size(), 10u);   // the end need not be reached
}

TEST(CliValues, NoValueOfARangeLiesPastItsEnd)
{
    // 100000 steps that fall short of the end by 2e-6 of a step: counted in
    // by the tolerance, so the last value is the end itself.
    const double start = -2.0973355504329626e-05, stop = -984313.72549019603, step = -9.8431372549019613;
    const ValueRange r = ExpandRange(start, stop, step, "t", "water");
    ASSERT_EQ(r.Size(), 100001u);
    EXPECT_EQ(r[r.Size() - 1], stop);
    for (std::size_t i = 0; i < r.Size(); ++i)
        ASSERT_TRUE(r[i] <= start && r[i] >= stop) << i << ": " << r[i];
}

TEST(CliValues, RangesRefuseWhatCannotBeCounted)
{
    auto message = [](double start, double stop, double step) {
        try {
            const ValueRange r = ExpandRange(start, stop, step, "t", "water");
            return "values: " + std::to_string(r.Size());
        } catch (const UsageError& e) {
            EXPECT_EQ(e.Command(), "water");
            return std::string(e.what());
        }
    };
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    const std::string notFinite = "--t: the start, end and step of a range must be finite numbers";
    for (const auto& [start, stop, step] : {std::tuple{0.0, 1.0, inf}, {0.0, 1.0, -inf}, {0.0, 1.0, nan},
                                            {0.0, inf, 1.0}, {-inf, 0.0, 1.0}, {nan, 1.0, 1.0}, {0.0, nan, 1.0}})
        EXPECT_EQ(message(start, stop, step), notFinite) << start << ":" << stop << ":" << step;
    EXPECT_EQ(message(0, 1e300, 1e-300), "--t: the range has more than 1000000 values");
    EXPECT_EQ(message(0, 1e6 - 1, 1), "values: 1000000");
    EXPECT_EQ(message(0, 1e6, 1), "--t: the range has more than 1000000 values");
    EXPECT_EQ(message(1e308, -1e308, 1e307), "--t: the range is empty (the step goes away from the end)");
    // A span wider than the largest double still counts its steps.
    const ValueRange wide = ExpandRange(-1e308, 1e308, 1e307, "t", "water");
    ASSERT_EQ(wide.Size(), 21u);
    EXPECT_EQ(wide[0], -1e308);
    EXPECT_EQ(wide[20], 1e308);
    EXPECT_EQ(wide[10], 0.0);
    // The same through the text a user types.
    EXPECT_THROW(ParseQuantityValue("0:1:inf K", kQuantityTemperature, '.', true, "t", "water"), UsageError);
    EXPECT_THROW(ParseQuantityValue("nan:1:1", kQuantityTemperature, '.', true, "t", "water"), UsageError);
}

TEST(CliOutput, MachineNumbersIgnoreTheLocale)
{
    SeparatorScope polish(',');
    EXPECT_EQ(MachineNumber(0.1), "0.10000000000000001");
    EXPECT_EQ(MachineNumber(293.15), "293.14999999999998");
    EXPECT_EQ(MachineNumber(1), "1");
    EXPECT_EQ(MachineNumber(-1.0 / 3), "-0.33333333333333331");
    EXPECT_EQ(MachineNumber(1e-300), "1e-300");
    EXPECT_EQ(MachineNumber(12345678901234567890.0), "1.2345678901234567e+19");
    EXPECT_EQ(MachineNumber(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(MachineNumber(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(MachineNumber(std::nan("")), "nan");
    EXPECT_EQ(DecimalSeparator(), ',');   // the scope inside restored it
}

TEST(CliOutput, RecordsAsJsonAndCsv)
{
    Record r;
    r.Number("temperature", 293.15);
    r.Number("density", std::numeric_limits<double>::infinity());
    r.Number("x", std::nan(""));
    r.Integer("regime", 2);
    r.Boolean("turbulent", true);
    r.Text("limit_text", "   273.15 K");
    r.Text("name", "a \"b\", c\n");
    r.IntegerList("messages", {0, kMsgTemperatureAboveMaximum});
    r.Null("dew_point");
    r.TextList("notes", {"a; b", "c, \"d\""});
    r.TextList("none", {});
    EXPECT_EQ(r.Keys().size(), 11u);
    const clitest::Json j = clitest::ParseJson(r.Json());
    EXPECT_EQ(j.Keys(), r.Keys());
    EXPECT_EQ(j["temperature"].number, 293.15);   // 17 digits read back exactly
    EXPECT_EQ(j["density"].string, "inf");
    EXPECT_EQ(j["x"].string, "nan");
    EXPECT_EQ(j["regime"].number, 2);
    EXPECT_TRUE(j["turbulent"].boolean);
    EXPECT_EQ(j["limit_text"].string, "   273.15 K");
    EXPECT_EQ(j["name"].string, "a \"b\", c\n");
    ASSERT_EQ(j["messages"].array.size(), 2u);
    EXPECT_EQ(j["messages"].array[1].number, kMsgTemperatureAboveMaximum);
    EXPECT_EQ(j["dew_point"].type, clitest::Json::Type::Null);
    ASSERT_EQ(j["notes"].array.size(), 2u);
    EXPECT_EQ(j["notes"].array[0].string, "a; b");
    EXPECT_EQ(j["notes"].array[1].string, "c, \"d\"");
    EXPECT_EQ(j["none"].type, clitest::Json::Type::Array);
    EXPECT_TRUE(j["none"].array.empty());
    EXPECT_EQ(r.CsvHeader(), "temperature,density,x,regime,turbulent,limit_text,name,messages,dew_point,notes,none");
    // No number is an empty field; texts are joined and quoted as one.
    EXPECT_EQ(r.CsvRow(), "293.14999999999998,inf,nan,2,true,   273.15 K,\"a \"\"b\"\", c\n\",0 11003,,"
                          "\"a; b; c, \"\"d\"\"\",");
    EXPECT_EQ(JsonString(std::string("\x01", 1)), "\"\\u0001\"");
}

TEST(CliOutput, TablesAlignPolishNames)
{
    Table t;
    t.Line("Właściwości");
    t.Row("Gęstość", "998.316", "kg/m^3");
    t.Row("Liczba Prandtla", "6.94185", "bez miana");
    t.Row("Entalpia", "", "J/kg");
    EXPECT_EQ(TextWidth("Gęstość"), 7u);
    EXPECT_EQ(t.Render(), "Właściwości\n"
                          "Gęstość          998.316 kg/m^3\n"
                          "Liczba Prandtla  6.94185 bez miana\n"
                          "Entalpia                 J/kg\n");
}

} // namespace

#include "cli/CliMedium.h"
#include "pages/SteamTable.h"
#include "pages/WaterTable.h"

namespace {

template <class Model>
void ExpectEveryOptionFindsItsRow(std::span<const PropertyRow<Model>> table)
{
    for (const PropertyRow<Model>& row : table) {
        const std::string option = OptionName(row.key);
        EXPECT_TRUE(cli::IsOptionOf(option, row.key)) << option;
        EXPECT_EQ(cli::RowOfOption(table, option), row.IsTyped() ? &row : nullptr) << option;
    }
}

TEST(CliOptions, OptionsFindTheirRowsAsOptionNameSpellsThem)
{
    ExpectEveryOptionFindsItsRow(kWaterTable);
    ExpectEveryOptionFindsItsRow(kSteamTable);
    EXPECT_FALSE(cli::IsOptionOf("mass_flow", "mass_flow"));   // the key is not the option
    EXPECT_FALSE(cli::IsOptionOf("mass-flo", "mass_flow"));
    EXPECT_FALSE(cli::IsOptionOf("mass-flows", "mass_flow"));
    EXPECT_EQ(cli::RowOfOption(kWaterTable, "dryness"), nullptr);
}

} // namespace
