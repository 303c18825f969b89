#include "unmanaged_windows.h"

#include <windows.h>

#include <stdexcept>

namespace kesto::bench {

namespace {

constexpr wchar_t kProgramKey[] = L"Software\\Wine\\AppDefaults\\kesto.exe";
constexpr wchar_t kDriverKey[] = L"Software\\Wine\\AppDefaults\\kesto.exe\\X11 Driver";
constexpr wchar_t kValueName[] = L"Managed";
constexpr wchar_t kUnmanaged[] = L"N";

// Whether the key had to be made.
bool CreateKey(const wchar_t* path, HKEY& key) {
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_SET_VALUE | KEY_QUERY_VALUE,
                        nullptr, &key, &disposition) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot write Wine's settings for kesto.exe");
    }
    return disposition == REG_CREATED_NEW_KEY;
}

} // namespace

UnmanagedWindows::UnmanagedWindows() {
    HKEY program = nullptr;
    createdProgramKey_ = CreateKey(kProgramKey, program);
    RegCloseKey(program);
    HKEY driver = nullptr;
    createdDriverKey_ = CreateKey(kDriverKey, driver);
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
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kDriverKey, kValueName);
    }
    if (createdDriverKey_) {
        RegDeleteKeyW(HKEY_CURRENT_USER, kDriverKey);
    }
    if (createdProgramKey_) {
        RegDeleteKeyW(HKEY_CURRENT_USER, kProgramKey);
    }
}

} // namespace kesto::bench
