#include "base/StringTable.h"

#include <algorithm>
#include <utility>

namespace {

struct Entry {
    int id;
    const char* text;
};

constexpr Entry kTable[] = {
#include "strings.inc"
};

constexpr bool IsSorted()
{
    for (std::size_t i = 1; i < std::size(kTable); ++i)
        if (kTable[i - 1].id >= kTable[i].id)
            return false;
    return true;
}
static_assert(IsSorted(), "strings.inc must list each id once, ascending");

} // namespace

const std::string& LoadText(int id)
{
    // Strings are built once, so references stay valid for the whole run.
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> all;
        all.reserve(std::size(kTable));
        for (const Entry& e : kTable)
            all.emplace_back(e.text);
        return all;
    }();
    static const std::string empty;
    const auto* it = std::lower_bound(std::begin(kTable), std::end(kTable), id,
                                      [](const Entry& e, int key) { return e.id < key; });
    if (it == std::end(kTable) || it->id != id)
        return empty;
    return texts[static_cast<std::size_t>(it - std::begin(kTable))];
}

std::vector<int> TextIds()
{
    std::vector<int> ids;
    for (const Entry& e : kTable)
        ids.push_back(e.id);
    return ids;
}
