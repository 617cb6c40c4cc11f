// Which help text belongs to which control. No Qt here: the table and its
// lookup are plain data, checked by the core tests.
#pragma once

#include <cstddef>
#include <cstdint>

struct HelpIdPair {
    std::uint32_t controlId;
    std::uint32_t helpId;
};

// 225 pairs (control id, help id), then the end marker (0, 0). A help id is
// 0x80000000 + window template number * 0x10000 + the text's own number, so
// the popup file can be written per window. Control ids are unique.
inline constexpr std::size_t kHelpIdPairCount = 225;
extern const HelpIdPair kHelpIdTable[kHelpIdPairCount + 1];

// The help id of a control; 0 for a control without a pair.
std::uint32_t HelpIdOf(std::uint32_t controlId);

// The window template a help id belongs to (0 for help id 0).
constexpr std::uint32_t HelpIdTemplate(std::uint32_t helpId) { return (helpId & 0x7FFFFFFFu) >> 16; }

// Context id of a window's help topic: 0x20000 + its template number.
inline constexpr std::uint32_t kHelpTopicBase = 0x20000;
constexpr std::uint32_t HelpTopicId(std::uint32_t templateNumber) { return kHelpTopicBase + templateNumber; }
