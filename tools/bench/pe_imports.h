// The DLLs an executable names in its import table, read from the file itself.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kesto::bench {

// Throws when the file is no 64-bit Windows executable.
std::vector<std::string> ImportedDlls(const std::filesystem::path& exe);

// Whether Windows brings the DLL along: it lies in the system folder.
bool IsSystemDll(const std::string& name);

} // namespace kesto::bench
