// Wine's per-program Managed=N, set for the bench; only what was made here is taken away.
#include "unmanaged_windows.h"

#include <windows.h>

#include <stdexcept>

namespace kesto::bench {

namespace {

constexpr wchar_t kAppDefaults[] = L"Software\\Wine\\AppDefaults\\";
constexpr wchar_t kValueName[] = L"Managed";
constexpr wchar_t kUnmanaged[] = L"N";

// Whether the key had to be made.
bool CreateKey(const std::wstring& path, HKEY& key) {
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &key,
                        &disposition) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot write Wine's settings for a program");
    }
    return disposition == REG_CREATED_NEW_KEY;
}

} // namespace

UnmanagedWindows::UnmanagedWindows(const std::wstring& exeName)
    : programKey_(kAppDefaults + exeName), driverKey_(programKey_ + L"\\X11 Driver") {
    HKEY program = nullptr;
    createdProgramKey_ = CreateKey(programKey_, program);
    RegCloseKey(program);
    HKEY driver = nullptr;
    createdDriverKey_ = CreateKey(driverKey_, driver);
    setValue_ =
        RegQueryValueExW(driver, kValueName, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS;
    if (setValue_) {
        RegSetValueExW(driver, kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(kUnmanaged),
                       sizeof kUnmanaged);
    }
    RegCloseKey(driver);
}

UnmanagedWindows::~UnmanagedWindows() {
    if (setValue_) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, driverKey_.c_str(), kValueName);
    }
    if (createdDriverKey_) {
        RegDeleteKeyW(HKEY_CURRENT_USER, driverKey_.c_str());
    }
    if (createdProgramKey_) {
        RegDeleteKeyW(HKEY_CURRENT_USER, programKey_.c_str());
    }
}

} // namespace kesto::bench
