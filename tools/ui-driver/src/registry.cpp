// Registry values read as stored, expandable strings left unexpanded.
#include "uidriver/registry.h"

#include "uidriver/error.h"
#include "uidriver/text.h"

#include <vector>

namespace kesto::uidriver {

std::optional<RegistryValue> ReadRegistryValue(HKEY root, const std::string& key,
                                               const std::string& name) {
    const std::wstring wideKey = Widen(key);
    const std::wstring wideName = Widen(name);
    // Read as stored: an expandable string is not to be expanded.
    constexpr DWORD kFlags = RRF_RT_ANY | RRF_NOEXPAND;
    RegistryValue value;
    DWORD size = 0;
    LSTATUS status =
        RegGetValueW(root, wideKey.c_str(), wideName.c_str(), kFlags, &value.type, nullptr, &size);
    if (status == ERROR_FILE_NOT_FOUND) {
        return std::nullopt;
    }
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
    status = RegGetValueW(root, wideKey.c_str(), wideName.c_str(), kFlags, &value.type, data.data(),
                          &size);
    if (status != ERROR_SUCCESS) {
        throw DriverError("RegGetValueW of " + key + "\\" + name + " failed, error " +
                          std::to_string(status));
    }
    if (value.type == REG_SZ || value.type == REG_EXPAND_SZ) {
        value.text = Narrow(data.data());
    }
    return value;
}

} // namespace kesto::uidriver
