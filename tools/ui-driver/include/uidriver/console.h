// Running a console program to the end and keeping what it printed.
#pragma once

#include "uidriver/poll.h"

#include <windows.h>

#include <filesystem>
#include <string>

namespace kesto::uidriver {

struct CommandOutput {
    DWORD exitCode = 0;
    std::string output; // stdout and stderr as printed: bytes in the ANSI code page
};

// Throws DriverError when the program cannot start or does not end within timeout.
CommandOutput RunCommand(const std::string& commandLine, const std::filesystem::path& workingFolder,
                         milliseconds timeout);

} // namespace kesto::uidriver
