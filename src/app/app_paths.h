// Where the program lives and where it keeps its partition table.
#pragma once

#include <string>

namespace kesto::app {

struct AppPaths {
    std::string appPath;       // the executable's folder, always ending in a backslash
    std::string exeTitle;      // the executable's file name without its extension
    std::string tableFilePath; // appPath + exeTitle + ".ini"
};

AppPaths AppPathsOf(const std::string& moduleFileName);

// The program's argument string: what follows the executable's name on its command line, without
// the blanks that separate them.
std::string ArgumentStringOf(const std::string& commandLine);

} // namespace kesto::app
