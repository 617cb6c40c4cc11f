#include "controls/HelpPaths.h"

std::string HelpFilePathFor(const std::string& executablePath)
{
    const std::size_t slash = executablePath.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = executablePath.find_last_of('.');
    // A dot that starts the name ("/opt/.zentaro") is part of it, not an extension.
    const bool hasExtension = dot != std::string::npos && dot > nameStart;
    return (hasExtension ? executablePath.substr(0, dot) : executablePath) + ".chm";
}

std::string HelpPopupPathFor(const std::string& helpFilePath) { return helpFilePath + "::/CSHelp.txt"; }
