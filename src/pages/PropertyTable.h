// The fields of a medium, one row each. The medium page builds its controls,
// labels, display and state text from the rows; the command line prints its
// readable table and its JSON and CSV keys from the same rows. A label, a
// key or a quantity is therefore written once.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

enum class PropertyRole {
    Input,    // typed by the user; the setter's message is shown
    Carried,  // typed by the user and stored; enters no property, shows no message (the mass flow)
    Output,   // computed by the model; blank while a message stands
};

template <class Model>
struct PropertyRow {
    const char* key;        // stable machine name: JSON and CSV key; the option is the key with '-' for '_'
    unsigned edit;          // control ids on the page
    unsigned unitCombo;
    unsigned labelId;       // 0: a plain label
    const char* label;      // the page's label, '&' before its mnemonic
    const char* stateName;  // the name in the state text; nullptr: the quantity's name
    int quantity;
    PropertyRole role;
    double (Model::*get)() const;
    int (Model::*set)(double) = nullptr;        // Input and Carried rows
    bool (*relevant)(const Model&) = nullptr;   // nullptr: always. When false the field means nothing for
                                                // the model's state: no line in the state text or the table.
    double lowest = 0;      // > 0: the model gives 0 for a value below this (SI), which is then no value:
                            // shown as "< lowest", null in JSON. 0: every value is one.

    bool IsRelevant(const Model& model) const { return relevant == nullptr || relevant(model); }
    bool IsBelowRange(const Model& model) const { return lowest > 0 && (model.*get)() == 0; }
    bool IsTyped() const { return role != PropertyRole::Output; }
};

// Position of the row with a key. Used in constant expressions, where a key
// the table lacks fails to compile.
template <class Model>
constexpr std::size_t RowOf(std::span<const PropertyRow<Model>> table, std::string_view key)
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].key == key)
            return i;
    throw "no row with this key";
}

// The label as shown: without the mnemonic's '&' ("&&" stays one '&').
std::string PlainLabel(std::string_view label);
void AppendPlainLabel(std::string& text, std::string_view label);
// The name a state text gives a field: its own, or its quantity's name.
std::string StateName(const char* stateName, int quantity);
// The command-line option of a key: "mass_flow" is "mass-flow".
std::string OptionName(std::string_view key);
