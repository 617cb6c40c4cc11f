// Where the help file of a program is. No Qt here, so plain tests reach it.
#pragma once

#include <string>

// The executable's folder and base name with the extension "chm": only the
// extension is replaced, so folder names are never touched.
std::string HelpFilePathFor(const std::string& executablePath);

// The popup texts inside the help file.
std::string HelpPopupPathFor(const std::string& helpFilePath);
