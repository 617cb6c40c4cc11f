// Answers the accuracy report's questions about the models, one JSON line
// per request line read from standard input:
//
//   water temperature T
//   steam regime R temperature T pressure P dryness X ...
//   air pressure P mode M temperature T humidity H moisture X ...
//   satp T          the steam model's saturation pressure at T
//   satt P          its saturation temperature at P
//   units           every unit factor and the temperature pairs
//   text ID         a string of the string table
//
// A model request runs its setters on a fresh model in the order written and
// answers with each setter's message number, every getter and the accuracy
// notes of the final state. Values are SI, non-finite ones null.
#include <cmath>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "base/NumberText.h"
#include "base/StringTable.h"
#include "media/AccuracyNotes.h"
#include "media/CPara.h"
#include "media/CPowietrze.h"
#include "media/CWoda.h"
#include "units/Units.h"

namespace {

class Json {
public:
    Json& Key(const std::string& key)
    {
        Separate();
        Quote(key);
        text_ += ':';
        pendingValue_ = true;
        return *this;
    }
    Json& Number(double value)
    {
        Separate();
        text_ += std::isfinite(value) ? FormatG(value, 17) : std::string("null");
        return *this;
    }
    Json& Integer(int value)
    {
        Separate();
        text_ += std::to_string(value);
        return *this;
    }
    Json& String(const std::string& value)
    {
        Separate();
        Quote(value);
        return *this;
    }
    Json& Open(char bracket)
    {
        Separate();
        text_ += bracket;
        first_ = true;
        return *this;
    }
    Json& Close(char bracket)
    {
        text_ += bracket;
        first_ = false;
        return *this;
    }
    Json& Integers(const std::vector<int>& values)
    {
        Open('[');
        for (int v : values)
            Integer(v);
        return Close(']');
    }
    const std::string& Text() const { return text_; }

private:
    // A comma before every element but the first of its container; none
    // between a key and its value.
    void Separate()
    {
        if (pendingValue_)
            pendingValue_ = false;
        else if (!first_)
            text_ += ',';
        first_ = false;
    }
    void Quote(const std::string& s)
    {
        text_ += '"';
        for (char c : s) {
            if (c == '"' || c == '\\')
                text_ += '\\';
            if (static_cast<unsigned char>(c) < 0x20) {
                static const char hex[] = "0123456789abcdef";
                text_ += "\\u00";
                text_ += hex[(c >> 4) & 0xf];
                text_ += hex[c & 0xf];
            } else {
                text_ += c;
            }
        }
        text_ += '"';
    }

    std::string text_;
    bool first_ = true;
    bool pendingValue_ = false;
};

// The request's words after the first, as (setter, value) pairs.
std::vector<std::pair<std::string, double>> Pairs(std::istringstream& words)
{
    std::vector<std::pair<std::string, double>> pairs;
    std::string name, value;
    while (words >> name >> value)
        pairs.emplace_back(name, ParseNumber(value, '.'));
    return pairs;
}

std::string Water(std::istringstream& words)
{
    CWoda water;
    Json j;
    j.Open('{').Key("messages").Open('[');
    for (const auto& [name, value] : Pairs(words)) {
        if (name == "temperature")
            j.Integer(water.SetTemperature(value));
        else if (name == "pressure")
            j.Integer(water.SetPressure(value));
        else
            return "{\"error\":\"unknown setter " + name + "\"}";
    }
    j.Close(']');
    j.Key("temperature").Number(water.GetTemperature());
    j.Key("density").Number(water.GetDensity());
    j.Key("expansion").Number(water.GetExpansion());
    j.Key("specific_heat").Number(water.GetSpecificHeat());
    j.Key("enthalpy").Number(water.GetEnthalpy());
    j.Key("conductivity").Number(water.GetConductivity());
    j.Key("dynamic_viscosity").Number(water.GetDynamicViscosity());
    j.Key("kinematic_viscosity").Number(water.GetKinematicViscosity());
    j.Key("prandtl").Number(water.GetPrandtl());
    j.Key("surface_tension").Number(water.GetSurfaceTension());
    j.Key("notes").Integers(AccuracyNotes(water));
    return j.Close('}').Text();
}

std::string Steam(std::istringstream& words)
{
    CPara steam;
    Json j;
    j.Open('{').Key("messages").Open('[');
    for (const auto& [name, value] : Pairs(words)) {
        if (name == "regime")
            j.Integer(steam.SetRegime(static_cast<int>(value)));
        else if (name == "temperature")
            j.Integer(steam.SetTemperature(value));
        else if (name == "pressure")
            j.Integer(steam.SetPressure(value));
        else if (name == "dryness")
            j.Integer(steam.SetDryness(value));
        else
            return "{\"error\":\"unknown setter " + name + "\"}";
    }
    j.Close(']');
    j.Key("temperature").Number(steam.GetTemperature());
    j.Key("pressure").Number(steam.GetPressure());
    j.Key("dryness").Number(steam.GetDryness());
    j.Key("enthalpy").Number(steam.GetEnthalpy());
    j.Key("specific_volume").Number(steam.GetSpecificVolume());
    j.Key("water_volume").Number(steam.GetWaterVolume());
    j.Key("heat_of_vaporisation").Number(steam.GetHeatOfVaporisation());
    j.Key("dynamic_viscosity").Number(steam.GetDynamicViscosity());
    j.Key("kinematic_viscosity").Number(steam.GetKinematicViscosity());
    j.Key("notes").Integers(AccuracyNotes(steam));
    return j.Close('}').Text();
}

std::string Air(std::istringstream& words)
{
    CPowietrze air;
    int mode = CPowietrze::kRelativeHumidityMode;
    Json j;
    j.Open('{').Key("messages").Open('[');
    for (const auto& [name, value] : Pairs(words)) {
        if (name == "mode")
            mode = static_cast<int>(value);
        else if (name == "pressure")
            j.Integer(air.SetBarometricPressure(value, mode));
        else if (name == "temperature")
            j.Integer(air.SetTemperature(value, mode));
        else if (name == "humidity")
            j.Integer(air.SetRelativeHumidity(value));
        else if (name == "moisture")
            j.Integer(air.SetMoistureContent(value));
        else
            return "{\"error\":\"unknown setter " + name + "\"}";
    }
    j.Close(']');
    j.Key("temperature").Number(air.GetTemperature());
    j.Key("relative_humidity").Number(air.GetRelativeHumidity());
    j.Key("moisture_content").Number(air.GetMoistureContent());
    j.Key("enthalpy").Number(air.GetEnthalpy());
    j.Key("specific_volume").Number(air.GetSpecificVolume());
    j.Key("vapour_pressure").Number(air.GetVapourPressure());
    j.Key("dew_point").Number(air.GetDewPoint());
    j.Key("wet_bulb").Number(air.GetWetBulbTemperature());
    j.Key("dynamic_viscosity").Number(air.GetDynamicViscosity());
    j.Key("kinematic_viscosity").Number(air.GetKinematicViscosity());
    j.Key("notes").Integers(AccuracyNotes(air));
    return j.Close('}').Text();
}

std::string Units()
{
    Json j;
    j.Open('{').Key("units").Open('[');
    for (int q = kQuantityFirst; q <= kQuantityLast; q += kQuantityStep) {
        if (q == kQuantityTemperature)
            continue;
        for (int u = 0; u < UnitCount(q); ++u) {
            j.Open('{');
            j.Key("quantity").Integer(q);
            j.Key("name").String(UnitName(q, u));
            j.Key("factor").Number(UnitFactor(q, u));
            j.Close('}');
        }
    }
    j.Close(']');
    // Temperature: the pair from every unit to every unit.
    j.Key("temperature").Open('[');
    const int count = UnitCount(kQuantityTemperature);
    for (int from = 0; from < count; ++from)
        for (int to = 0; to < count; ++to) {
            const ConversionPairResult p = ConversionPair(kQuantityTemperature, from, to);
            j.Open('{');
            j.Key("from").String(UnitName(kQuantityTemperature, from));
            j.Key("to").String(UnitName(kQuantityTemperature, to));
            j.Key("multiplier").Number(p.multiplier);
            j.Key("offset").Number(p.offset);
            j.Close('}');
        }
    j.Close(']');
    return j.Close('}').Text();
}

std::string Answer(const std::string& line)
{
    std::istringstream words(line);
    std::string kind;
    words >> kind;
    if (kind == "water")
        return Water(words);
    if (kind == "steam")
        return Steam(words);
    if (kind == "air")
        return Air(words);
    if (kind == "units")
        return Units();
    std::string argument;
    words >> argument;
    if (kind == "satp" || kind == "satt") {
        CPara saturation;
        const double value = ParseNumber(argument, '.');
        Json j;
        j.Open('{').Key("value").Number(kind == "satp" ? saturation.SaturationPressure(value, 0)
                                                        : saturation.SaturationTemperature(value));
        return j.Close('}').Text();
    }
    if (kind == "text") {
        Json j;
        j.Open('{').Key("text").String(LoadText(static_cast<int>(ParseNumber(argument, '.'))));
        return j.Close('}').Text();
    }
    return "{\"error\":\"unknown request " + kind + "\"}";
}

}  // namespace

int main()
{
    SetDecimalSeparator('.');
    std::ios::sync_with_stdio(false);
    std::string line;
    std::string out;
    while (std::getline(std::cin, line)) {
        out += Answer(line);
        out += '\n';
    }
    std::cout << out;
    return 0;
}
