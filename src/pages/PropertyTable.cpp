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
    // "&x" shows x; "&&" shows one '&'; a trailing '&' shows nothing.
    for (std::size_t amp; (amp = label.find('&')) != std::string_view::npos;) {
        text.append(label.substr(0, amp));
        if (amp + 1 == label.size())
            return;
        text += label[amp + 1];
        label.remove_prefix(amp + 2);
    }
    text.append(label);
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
