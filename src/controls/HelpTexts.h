// The contents of the help file as plain data: the popup text file and the
// topic of each window. No Qt and no file access here.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

// Name of the popup text file inside the help file.
inline constexpr const char* kPopupFileName = "/CSHelp.txt";

// The popup text file: each ".topic <id>" line (decimal, or hexadecimal with
// 0x) starts a text that runs to the next ".topic" line. Blank lines around
// a text are dropped, line breaks inside it kept; CR LF line ends and a
// UTF-8 byte order mark are accepted. A topic whose id is no number is
// skipped; for an id given twice the first text counts.
std::map<std::uint32_t, std::string> ParsePopupTexts(std::string_view file);

// The windows that have a help topic, by template number.
inline constexpr std::uint32_t kHelpTopicTemplates[] = {100, 129, 130, 131, 132, 133, 134, 135, 136, 137, 210};

// The topic of a context id inside the help file ("/t133.htm" for 0x20085);
// 0 gives the contents ("/index.htm"); an unknown id gives "".
std::string HelpTopicFile(std::uint32_t contextId);
