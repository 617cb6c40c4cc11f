#include "controls/HelpPaths.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string HelpFilePathFor(const std::string& executablePath)
{
    const std::size_t slash = executablePath.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = executablePath.find_last_of('.');
    // A dot that starts the name ("/opt/.zentaro") is part of it, not an extension.
    const bool hasExtension = dot != std::string::npos && dot > nameStart;
    return (hasExtension ? executablePath.substr(0, dot) : executablePath) + ".chm";
}

std::string InstalledHelpFilePathFor(const std::string& executablePath, const std::string& dataDirFromBinDir)
{
    const fs::path beside(HelpFilePathFor(executablePath));
    // An absolute data folder replaces the executable's folder altogether.
    return (beside.parent_path() / dataDirFromBinDir / beside.filename()).lexically_normal().string();
}

std::string FindHelpFile(const std::string& executablePath, const std::string& dataDirFromBinDir)
{
    const auto isFile = [](const std::string& path) {
        std::error_code error;
        return fs::is_regular_file(path, error);
    };
    const std::string beside = HelpFilePathFor(executablePath);
    if (isFile(beside))
        return beside;
    const std::string installed = InstalledHelpFilePathFor(executablePath, dataDirFromBinDir);
    return isFile(installed) ? installed : beside;
}

std::string HelpPopupPathFor(const std::string& helpFilePath) { return helpFilePath + "::/CSHelp.txt"; }
