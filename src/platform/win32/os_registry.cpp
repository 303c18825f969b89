// Win32Os: the registry calls.
#include "platform/win32/win32_os.h"

#include "platform/win32/conversions.h"
#include "platform/win32/wide_text.h"

namespace kesto::platform::win32 {

namespace {
HKEY ToHkey(Handle key) {
    return reinterpret_cast<HKEY>(key);
}
} // namespace

long Win32Os::RegCreateKeyW(Handle root, const std::string& subKey, Handle& key) {
    HKEY opened = nullptr;
    const LONG result = ::RegCreateKeyW(ToHkey(root), Widen(subKey).c_str(), &opened);
    key = ToHandle(opened);
    return result;
}

long Win32Os::RegSetValueExA(Handle key, const std::string& valueName, std::uint32_t type,
                             const std::string& ansiData, std::uint32_t size) {
    const std::optional<std::string> ansiName = ToAnsi(valueName);
    if (!ansiName) {
        return ERROR_INVALID_PARAMETER;
    }
    // std::string keeps a zero byte after its data, which a size of length + 1 takes in.
    return ::RegSetValueExA(ToHkey(key), ansiName->c_str(), 0, type,
                            reinterpret_cast<const BYTE*>(ansiData.c_str()), size);
}

long Win32Os::RegSetStringValue(Handle key, const std::string& valueName, const std::string& text) {
    const std::wstring wide = Widen(text);
    return ::RegSetValueExW(ToHkey(key), Widen(valueName).c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(wide.c_str()),
                            static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

long Win32Os::RegCloseKey(Handle key) {
    return ::RegCloseKey(ToHkey(key));
}

} // namespace kesto::platform::win32
