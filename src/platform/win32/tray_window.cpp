// The tray's hidden window: its procedure and the shell's notifications.
#include "platform/win32/tray_window.h"

#include "platform/win32/kept_exceptions.h"
#include "platform/win32/window_class.h"

namespace kesto::platform::win32 {

namespace {

constexpr wchar_t kClassName[] = L"KestoTrayWindow";

} // namespace

// A top-level window that is never shown: a message-only window would miss the shell's
// "TaskbarCreated" broadcast.
Win32TrayWindow::Win32TrayWindow(TrayWindowEvents& events)
    : events_(events), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
    RegisterWindowClass(kClassName, WindowProcedure, 0);
    window_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr));
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32TrayWindow::~Win32TrayWindow() {
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
    window_.reset();
}

LRESULT CALLBACK Win32TrayWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
    auto* tray = reinterpret_cast<Win32TrayWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (tray != nullptr) {
        if (message == WM_MOUSEMOVE) {
            KeepingExceptions([&] { tray->events_.OnMouseMove(LOWORD(lParam)); });
            return 0;
        }
        if (message == tray->taskbarCreated_) {
            KeepingExceptions([&] { tray->events_.OnTaskbarCreated(); });
            return 0;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace kesto::platform::win32
