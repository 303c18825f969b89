// The tray's hidden window found by its class, and the shell's mouse reports posted to it.
#include "uidriver/tray_icon.h"

#include "uidriver/find.h"

namespace kesto::uidriver {

namespace {

// The program has the shell report the icon's mouse messages as WM_MOUSEMOVE.
constexpr UINT kCallbackMessage = WM_MOUSEMOVE;

} // namespace

std::optional<TrayIcon> TrayIcon::Of(DWORD processId, milliseconds timeout) {
    const auto window = PollFor(
        [processId] {
            return FindFirstWindow(
                WindowQuery("").OfProcess(processId).OfClass("KestoTrayWindow").IncludingHidden());
        },
        timeout);
    if (!window) {
        return std::nullopt;
    }
    return TrayIcon(*window);
}

void TrayIcon::Press(MouseButton button) const {
    UINT down = WM_LBUTTONDOWN, up = WM_LBUTTONUP;
    if (button == MouseButton::Right) {
        down = WM_RBUTTONDOWN;
        up = WM_RBUTTONUP;
    } else if (button == MouseButton::Middle) {
        down = WM_MBUTTONDOWN;
        up = WM_MBUTTONUP;
    }
    receiver_.Post(kCallbackMessage, 0, down);
    receiver_.Post(kCallbackMessage, 0, up);
}

} // namespace kesto::uidriver
