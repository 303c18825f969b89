// Wine's per-program Managed=N, and an icon of our own in the notification area.
#include "uidriver/bare_desktop.h"

#include "uidriver/error.h"

#include <shellapi.h>

namespace kesto::uidriver {

namespace {

constexpr wchar_t kAppDefaults[] = L"Software\\Wine\\AppDefaults\\";
constexpr wchar_t kValueName[] = L"Managed";
constexpr wchar_t kUnmanaged[] = L"N";
constexpr UINT kOccupantIconId = 1;

// Whether the key had to be made.
bool CreateKey(const std::wstring& path, HKEY& key) {
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &key,
                        &disposition) != ERROR_SUCCESS) {
        throw DriverError("cannot write Wine's settings for a program");
    }
    return disposition == REG_CREATED_NEW_KEY;
}

NOTIFYICONDATAW OccupantIcon(HWND window) {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = kOccupantIconId;
    return icon;
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

TrayOccupant::TrayOccupant()
    : window_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr)) {
    NOTIFYICONDATAW icon = OccupantIcon(window_);
    icon.uFlags = NIF_ICON;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    if (window_ == nullptr || !Shell_NotifyIconW(NIM_ADD, &icon)) {
        DestroyWindow(window_);
        throw DriverError("cannot put an icon into the notification area");
    }
}

TrayOccupant::~TrayOccupant() {
    NOTIFYICONDATAW icon = OccupantIcon(window_);
    Shell_NotifyIconW(NIM_DELETE, &icon);
    DestroyWindow(window_);
}

} // namespace kesto::uidriver
