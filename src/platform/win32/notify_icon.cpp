// The copy of the portable icon data into NOTIFYICONDATAA and the shell call.
#include "platform/win32/notify_icon.h"

#include "platform/win32/conversions.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace kesto::platform::win32 {

namespace {

// The size of the first version of the structure in a 32-bit program, which the tray control
// keeps; this platform's first-version size means the same.
constexpr std::uint32_t kClassicSize = 88;

} // namespace

bool ShellNotifyIconAnsi(std::uint32_t message, const NotifyIconData& data) {
    NOTIFYICONDATAA icon{};
    icon.cbSize = data.cbSize == kClassicSize ? NOTIFYICONDATAA_V1_SIZE : data.cbSize;
    icon.hWnd = ToHwnd(data.hWnd);
    icon.uID = data.uID;
    icon.uFlags = data.uFlags;
    icon.uCallbackMessage = data.uCallbackMessage;
    icon.hIcon = reinterpret_cast<HICON>(data.hIcon);
    std::memcpy(icon.szTip, data.szTip, sizeof data.szTip);
    if (std::find(std::begin(data.szTip), std::end(data.szTip), '\0') == std::end(data.szTip)) {
        icon.szTip[sizeof data.szTip - 1] = '\0';
    }
    return Shell_NotifyIconA(message, &icon) != FALSE;
}

} // namespace kesto::platform::win32
