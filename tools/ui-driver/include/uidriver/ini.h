// Reading a program's INI file the way Windows itself reads it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kesto::uidriver {

using IniEntries = std::vector<std::pair<std::string, std::string>>; // key, value; file order

std::optional<std::string> ReadIniValue(const std::filesystem::path& file,
                                        const std::string& section, const std::string& key);
// Empty when the file or the section is missing.
IniEntries ReadIniSection(const std::filesystem::path& file, const std::string& section);

} // namespace kesto::uidriver
