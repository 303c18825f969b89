#include "platform/win32/win32_os.h"

namespace kesto::platform::win32 {

namespace {
HKEY ToHkey(Handle key) {
    return reinterpret_cast<HKEY>(key);
}
} // namespace

long Win32Os::RegCreateKey(Handle root, const std::string& subKey, Handle& key) {
    HKEY opened = nullptr;
    const LONG result = ::RegCreateKeyA(ToHkey(root), ToAnsi(subKey).c_str(), &opened);
    key = ToHandle(opened);
    return result;
}

long Win32Os::RegSetValueEx(Handle key, const std::string& valueName, std::uint32_t type,
                            const std::string& ansiData, std::uint32_t size) {
    // std::string keeps a zero byte after its data, which a size of length + 1 takes in.
    return ::RegSetValueExA(ToHkey(key), ToAnsi(valueName).c_str(), 0, type,
                            reinterpret_cast<const BYTE*>(ansiData.c_str()), size);
}

long Win32Os::RegCloseKey(Handle key) {
    return ::RegCloseKey(ToHkey(key));
}

} // namespace kesto::platform::win32
