#include "controls/HelpTexts.h"

#include <charconv>

#include "controls/HelpIds.h"

namespace {
std::string_view TrimRight(std::string_view line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

bool ParseId(std::string_view text, std::uint32_t& id)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    text = TrimRight(text);
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, base);
    return error == std::errc() && end == text.data() + text.size();
}

void Store(std::map<std::uint32_t, std::string>& texts, bool valid, std::uint32_t id, std::string& text)
{
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    if (valid)
        texts.emplace(id, std::move(text));
    text.clear();
}
} // namespace

std::map<std::uint32_t, std::string> ParsePopupTexts(std::string_view file)
{
    if (file.substr(0, 3) == "\xEF\xBB\xBF")
        file.remove_prefix(3);
    std::map<std::uint32_t, std::string> texts;
    bool inTopic = false;
    bool valid = false;
    std::uint32_t id = 0;
    std::string text;
    while (!file.empty()) {
        const std::size_t newline = file.find('\n');
        const std::string_view line = TrimRight(file.substr(0, newline));
        file.remove_prefix(newline == std::string_view::npos ? file.size() : newline + 1);
        if (line.substr(0, 6) == ".topic" && (line.size() == 6 || line[6] == ' ' || line[6] == '\t')) {
            if (inTopic)
                Store(texts, valid, id, text);
            inTopic = true;
            valid = ParseId(line.substr(6), id);
            continue;
        }
        if (!inTopic || (text.empty() && line.empty()))
            continue;
        text.append(line);
        text.push_back('\n');
    }
    if (inTopic)
        Store(texts, valid, id, text);
    return texts;
}

std::string HelpTopicFile(std::uint32_t contextId)
{
    if (contextId == 0)
        return "/index.htm";
    for (const std::uint32_t templateNumber : kHelpTopicTemplates)
        if (contextId == HelpTopicId(templateNumber))
            return "/t" + std::to_string(templateNumber) + ".htm";
    return {};
}
