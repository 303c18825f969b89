#include "drive_mappings.h"

#include "uidriver/console.h"
#include "uidriver/error.h"
#include "uidriver/text.h"

#include <sstream>

namespace kesto::e2e {

namespace {

using namespace std::chrono_literals;
using uidriver::Utf8Path;

// As a user types it: quotes only where a blank needs them.
std::string Argument(const std::filesystem::path& path) {
    const std::string text = Utf8Path(path);
    return text.find(' ') == std::string::npos ? text : uidriver::QuotedPath(path);
}

} // namespace

std::string DriveMappings::Run(const std::string& arguments) const {
    const std::string commandLine = uidriver::QuotedPath(substExe_) + arguments;
    const uidriver::CommandOutput result =
        uidriver::RunCommand(commandLine, substExe_.parent_path(), 30s);
    const std::string output = uidriver::AnsiToUtf8(result.output);
    if (result.exitCode != 0) {
        throw uidriver::DriverError(commandLine + " failed: " + output);
    }
    return output;
}

std::vector<std::string> DriveMappings::List() const {
    std::istringstream output(Run(""));
    std::vector<std::string> lines;
    for (std::string line; std::getline(output, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

void DriveMappings::Map(char drive, const std::filesystem::path& folder) const {
    Run(std::string(" ") + drive + ": " + Argument(folder));
}

void DriveMappings::Remove(char drive) const {
    Run(std::string(" ") + drive + ": /d");
}

void DriveMappings::RemoveAll() const {
    for (const std::string& line : List()) {
        Remove(line.front());
    }
}

} // namespace kesto::e2e
