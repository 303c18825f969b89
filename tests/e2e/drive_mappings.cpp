#include "drive_mappings.h"

#include "uidriver/console.h"
#include "uidriver/error.h"
#include "uidriver/text.h"

#include <windows.h>

#include <sstream>
#include <string_view>

namespace kesto::e2e {

namespace {

using namespace std::chrono_literals;
using uidriver::Utf8Path;

// As a user types it: quotes only where a blank needs them.
std::string Argument(const std::filesystem::path& path) {
    const std::string text = Utf8Path(path);
    return text.find(' ') == std::string::npos ? text : uidriver::QuotedPath(path);
}

// The console's output as the subst beside the program writes it.
std::string OutputToUtf8(const std::string& bytes) {
    wchar_t value[8] = {};
    const DWORD size = GetEnvironmentVariableW(kSubstCodePageVariable, value, 8);
    if (size == 0 || size >= 8 || std::wstring_view(value) != L"oem" || bytes.empty()) {
        return uidriver::AnsiToUtf8(bytes);
    }
    const int length = static_cast<int>(bytes.size());
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), length, wide.data(), length)));
    return uidriver::Narrow(wide);
}

} // namespace

std::string ListedForm(const std::filesystem::path& folder) {
    const std::wstring path = folder.wstring();
    BOOL lost = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.c_str(), -1, nullptr, 0, nullptr, &lost);
    wchar_t shortPath[MAX_PATH] = {};
    if (!lost || GetShortPathNameW(path.c_str(), shortPath, MAX_PATH) == 0) {
        return Utf8Path(folder);
    }
    return uidriver::Narrow(shortPath);
}

std::string DriveMappings::Run(const std::string& arguments) const {
    const std::string commandLine = uidriver::QuotedPath(substExe_) + arguments;
    const uidriver::CommandOutput result =
        uidriver::RunCommand(commandLine, substExe_.parent_path(), 30s);
    const std::string output = OutputToUtf8(result.output);
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

void DriveMappings::RemoveAll() const {
    for (const std::string& line : List()) {
        Run(std::string(" ") + line.front() + ": /d");
    }
}

} // namespace kesto::e2e
