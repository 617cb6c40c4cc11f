// The calculator's key words.
#include <gtest/gtest.h>

#include "cli/CliCalcKeys.h"
#include "cli/CliCore.h"

using namespace cli;

namespace {

std::string Kinds(const std::vector<CalcKey>& keys)
{
    std::string out;
    for (const CalcKey& k : keys) {
        if (!out.empty())
            out += ' ';
        switch (k.kind) {
        case CalcKeyKind::Digit: out += std::to_string(k.number); break;
        case CalcKeyKind::Separator: out += "SEP"; break;
        case CalcKeyKind::Sign: out += "SIGN"; break;
        case CalcKeyKind::Exp: out += "EXP"; break;
        case CalcKeyKind::Clear: out += "C"; break;
        case CalcKeyKind::ClearAll: out += "CE"; break;
        case CalcKeyKind::Backspace: out += "BS"; break;
        case CalcKeyKind::Operator: out += static_cast<char>(k.number); break;
        case CalcKeyKind::Function: out += 'F'; out += std::to_string(k.number); break;
        case CalcKeyKind::Close: out += ")"; break;
        case CalcKeyKind::Equals: out += "="; break;
        case CalcKeyKind::Pi: out += "PI"; break;
        case CalcKeyKind::Select: out += "SEL"; out += std::to_string(k.number); break;
        case CalcKeyKind::Angle: out += "ANG"; out += std::to_string(k.number); break;
        case CalcKeyKind::Fix: out += "FIX"; break;
        case CalcKeyKind::Decimals: out += "DEC"; out += std::to_string(k.number); break;
        case CalcKeyKind::Exponent: out += "Y"; break;
        case CalcKeyKind::Paste: out += "PASTE["; out += k.text; out += ']'; break;
        case CalcKeyKind::Info: out += "INFO"; break;
        }
    }
    return out;
}

std::string Error(const std::vector<std::string>& args)
{
    try {
        ParseCalcKeys(args, '.');
    } catch (const UsageError& e) {
        EXPECT_EQ(e.Command(), "calc");
        return e.what();
    }
    return "no error";
}

TEST(CliCalcKeys, WordsInOneArgumentOrMany)
{
    EXPECT_EQ(Kinds(ParseCalcKeys({"2 + 3 ="}, '.')), "2 + 3 =");
    EXPECT_EQ(Kinds(ParseCalcKeys({"2", "+", "3", "="}, '.')), "2 + 3 =");
    // A number written out is its keys one by one.
    EXPECT_EQ(Kinds(ParseCalcKeys({"12.5", "*", "0,5"}, '.')), "1 2 SEP 5 * 0 SEP 5");
    EXPECT_EQ(Kinds(ParseCalcKeys({", . +/- EXP C CE BS - * / ( ) PI Info Fix"}, '.')),
              "SEP SEP SIGN EXP C CE BS - * / F0 ) PI INFO FIX");
    EXPECT_EQ(Kinds(ParseCalcKeys({"1/x SQRT QURT X^2 X^Y 10^X e^X X^1/Y log ln"}, '.')),
              "F1 F2 F3 F4 F5 F6 F7 F8 F9 F10");
    EXPECT_EQ(Kinds(ParseCalcKeys({"sin cos tan arcsin arccos arctan sinh cosh tanh arsinh arcosh artanh A->B B->A"}, '.')),
              "F11 F12 F13 F14 F15 F16 F17 F18 F19 F20 F21 F22 F23 F24");
    EXPECT_EQ(Kinds(ParseCalcKeys({"Deg Rad Grad deg SIN"}, '.')), "ANG0 ANG1 ANG2 ANG0 F11");
}

TEST(CliCalcKeys, KeysWithArguments)
{
    const std::vector<CalcKey> keys = ParseCalcKeys({"select:3 dec:0 dec:11 y:2.5 paste:3,14159 paste:"}, ',');
    EXPECT_EQ(Kinds(keys), "SEL3 DEC0 DEC11 Y PASTE[3,14159] PASTE[]");
    EXPECT_EQ(keys[3].value, 2.5);
    EXPECT_EQ(ParseCalcKeys({"y:2,5"}, ',')[0].value, 2.5);
    EXPECT_EQ(Error({"dec:12"}), "key \"dec:12\": 12 is not from 0 to 11");
    EXPECT_EQ(Error({"select:-1"}), "bad number in key \"select:-1\"; see zentaro-cli calc --help for the keys");
    EXPECT_EQ(Error({"y:abc"}), "key \"y:abc\": \"abc\" is not a finite number");
    EXPECT_EQ(Error({"y:2,5"}), "key \"y:2,5\": \"2,5\" is not a finite number");   // no comma under "C"
    EXPECT_EQ(Error({"2 % 3"}), "unknown key \"%\"; see zentaro-cli calc --help for the keys");
    EXPECT_EQ(Error({"1.2.3"}), "unknown key \"1.2.3\"; see zentaro-cli calc --help for the keys");
    EXPECT_EQ(Error({"-5"}), "unknown key \"-5\"; see zentaro-cli calc --help for the keys");
    EXPECT_TRUE(ParseCalcKeys({"", "  "}, '.').empty());
}

} // namespace
