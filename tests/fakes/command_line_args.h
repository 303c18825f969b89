// Splitting a command line as the C runtime does, for the fake child processes.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kesto::fakes {

// The program's name (quotes removed) and the rest of the line after the separating blanks.
std::pair<std::string, std::string> SplitProgramName(const std::string& commandLine);
// The arguments of `arguments`, by the C runtime's rules for quotes and backslashes.
std::vector<std::string> SplitArguments(const std::string& arguments);

} // namespace kesto::fakes
