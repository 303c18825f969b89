// The program's folder, title and table file from its executable's path; its argument string.
#include "app/app_paths.h"

#include <algorithm>

namespace kesto::app {

AppPaths AppPathsOf(const std::string& moduleFileName) {
    const std::size_t slash = moduleFileName.find_last_of('\\');
    AppPaths paths;
    paths.appPath = slash == std::string::npos ? std::string() : moduleFileName.substr(0, slash);
    if (paths.appPath.empty() || paths.appPath.back() != '\\') {
        paths.appPath += '\\';
    }
    const std::string fileName =
        slash == std::string::npos ? moduleFileName : moduleFileName.substr(slash + 1);
    paths.exeTitle = fileName.substr(0, fileName.find_last_of('.'));
    paths.tableFilePath = paths.appPath + paths.exeTitle + ".ini";
    return paths;
}

std::string ArgumentStringOf(const std::string& commandLine) {
    std::size_t end;
    if (!commandLine.empty() && commandLine.front() == '"') {
        end = commandLine.find('"', 1);
        end = end == std::string::npos ? commandLine.size() : end + 1;
    } else {
        end = std::min(commandLine.find_first_of(" \t"), commandLine.size());
    }
    const std::size_t start = commandLine.find_first_not_of(" \t", end);
    return start == std::string::npos ? std::string() : commandLine.substr(start);
}

} // namespace kesto::app
