// Reading the registry the program writes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kesto::uidriver {

struct RegistryValue {
    DWORD type = REG_NONE; // REG_SZ...
    std::string text;      // the data of the string types; empty for the others
};

// nullopt when the key or the value is missing.
std::optional<RegistryValue> ReadRegistryValue(HKEY root, const std::string& key,
                                               const std::string& name);

} // namespace kesto::uidriver
