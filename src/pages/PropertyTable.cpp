#include "pages/PropertyTable.h"

#include "units/Units.h"

std::string PlainLabel(std::string_view label)
{
    std::string plain;
    AppendPlainLabel(plain, label);
    return plain;
}

void AppendPlainLabel(std::string& text, std::string_view label)
{
    text.reserve(text.size() + label.size());
    for (std::size_t i = 0; i < label.size(); ++i) {
        // "&x" shows x; "&&" shows one '&'; a trailing '&' shows nothing.
        if (label[i] == '&' && ++i == label.size())
            break;
        text += label[i];
    }
}

std::string StateName(const char* stateName, int quantity)
{
    return stateName != nullptr ? std::string(stateName) : QuantityName(quantity);
}

std::string OptionName(std::string_view key)
{
    std::string option(key);
    for (char& c : option)
        if (c == '_')
            c = '-';
    return option;
}
