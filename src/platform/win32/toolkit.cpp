// Win32Toolkit: forms, message boxes, the event loop and the window calls passed through.
#include "platform/win32/win32_toolkit.h"

#include "platform/win32/conversions.h"
#include "platform/win32/dpi.h"
#include "platform/win32/form.h"
#include "platform/win32/form_registry.h"
#include "platform/win32/kept_exceptions.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/notify_icon.h"
#include "platform/win32/scaled_region.h"
#include "platform/win32/tray_window.h"
#include "platform/win32/wide_text.h"

#include <mutex>
#include <utility>

namespace kesto::platform::win32 {

namespace {

void InitCommonControlsOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
    });
}

// The form whose own window this is.
Win32Form* FormWithWindow(HWND window) {
    Win32Form* form = FormHolding(window);
    return form != nullptr && form->Window() == window ? form : nullptr;
}

// A form keeps its density from WM_DPICHANGED, which older systems send without offering
// GetDpiForWindow; other windows ask the system.
UINT DpiOfAny(HWND window) {
    const Win32Form* form = FormWithWindow(window);
    return form != nullptr ? form->Dpi() : DpiOf(window);
}

class Win32Toolkit : public Toolkit {
  public:
    Win32Toolkit(std::string appTitle, int appIcon)
        : appTitle_(std::move(appTitle)), appIcon_(appIcon) {
        InitCommonControlsOnce();
    }

    const std::string& AppTitle() const override { return appTitle_; }

    std::unique_ptr<Form> CreateForm(const FormLayout& layout, FormEvents& events) override {
        return std::make_unique<Win32Form>(layout, events, layout.appIcon ? appIcon_ : 0);
    }

    std::unique_ptr<TrayWindow> CreateTrayWindow(TrayWindowEvents& events) override {
        return std::make_unique<Win32TrayWindow>(events);
    }

    // Owned by a window of ours, the box stays above the always-on-top main window.
    int MsgBox(const std::string& text, int style) override {
        HWND owner = GetActiveWindow();
        if (owner == nullptr) {
            owner = LastShownVisibleForm();
        }
        const int answer = ::MessageBoxW(owner, Widen(text).c_str(), Widen(appTitle_).c_str(),
                                         static_cast<UINT>(style));
        // The box's own loop dispatched to our windows.
        RethrowKeptException();
        return answer;
    }

    void DoEvents() override { DispatchWaitingMessages(); }

    void Run() override { RunMessageLoop(); }

    void Quit() override { PostQuitMessage(0); }

    bool SetWindowPos(Handle window, Handle insertAfter, int x, int y, int cx, int cy,
                      std::uint32_t flags) override {
        const UINT dpi = DpiOfAny(ToHwnd(window));
        return ::SetWindowPos(ToHwnd(window), ToHwnd(insertAfter), ToDevice(x, dpi),
                              ToDevice(y, dpi), ToDevice(cx, dpi), ToDevice(cy, dpi),
                              flags) != FALSE;
    }

    Handle CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth,
                              int ellipseHeight) override {
        return ToHandle(
            ::CreateRoundRectRgn(left, top, right, bottom, ellipseWidth, ellipseHeight));
    }

    int SetWindowRgn(Handle window, Handle region, bool redraw) override {
        Region layout(reinterpret_cast<HRGN>(region));
        if (Win32Form* form = FormWithWindow(ToHwnd(window))) {
            return form->SetShape(std::move(layout), redraw);
        }
        Region scaled = layout ? ScaledRegion(layout.get(), DpiOf(ToHwnd(window))) : Region();
        return SetWindowShape(ToHwnd(window), std::move(scaled), redraw);
    }

    bool ReleaseCapture() override { return ::ReleaseCapture() != FALSE; }

    std::intptr_t SendMessageA(Handle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override {
        return ::SendMessageA(ToHwnd(window), message, wParam, lParam);
    }

    bool SetForegroundWindow(Handle window) override {
        return ::SetForegroundWindow(ToHwnd(window)) != FALSE;
    }

    bool ShellNotifyIcon(std::uint32_t message, const NotifyIconData& data) override {
        return ShellNotifyIconAnsi(message, data);
    }

  private:
    std::string appTitle_;
    int appIcon_;
};

} // namespace

std::unique_ptr<Toolkit> MakeWin32Toolkit(std::string appTitle, int appIcon) {
    return std::make_unique<Win32Toolkit>(std::move(appTitle), appIcon);
}

} // namespace kesto::platform::win32
