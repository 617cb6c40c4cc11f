// The program's texts, addressed by number. One table, compiled in.
#pragma once

#include <string>
#include <vector>

// The text of a string id, UTF-8; empty for an id the table lacks.
const std::string& LoadText(int id);

// Every id the table holds, ascending.
std::vector<int> TextIds();

// The medium pages' question whether to store the final state again.
inline constexpr int kIdsMassFlowChanged = 12001;    // "Wartość strumienia masy czynnika jest różna ..."

// Standard messages of number fields.
inline constexpr int kIdsNumberExpected = 61715;     // "Proszę podać liczbę."
inline constexpr int kIdsNumberOutOfRange = 61716;   // "... od %1 do %2."
