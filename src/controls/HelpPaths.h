// Where the help file of a program is. No Qt here, so plain tests reach it.
#pragma once

#include <string>

#include "base/BuildInfo.h"

// The executable's folder and base name with the extension "chm": only the
// extension is replaced, so folder names are never touched.
std::string HelpFilePathFor(const std::string& executablePath);

// The same file name in the data folder of an installed program, given
// relative to the executable's folder (or absolute).
std::string InstalledHelpFilePathFor(const std::string& executablePath,
                                     const std::string& dataDirFromBinDir = kDataDirFromBinDir);

// The help file to read: beside the executable when it is there (a build
// tree), else the installed one when that is there. When neither exists, the
// path beside the executable, so that a message names the first place looked.
std::string FindHelpFile(const std::string& executablePath, const std::string& dataDirFromBinDir = kDataDirFromBinDir);

// The popup texts inside the help file.
std::string HelpPopupPathFor(const std::string& helpFilePath);
