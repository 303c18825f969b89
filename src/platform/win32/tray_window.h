// The hidden window that the shell sends the tray icon's notifications to.
#pragma once

#include "platform/toolkit.h"
#include "platform/win32/conversions.h"
#include "platform/win32/owned_window.h"

namespace kesto::platform::win32 {

class Win32TrayWindow : public TrayWindow {
  public:
    explicit Win32TrayWindow(TrayWindowEvents& events);
    ~Win32TrayWindow() override;
    Win32TrayWindow(const Win32TrayWindow&) = delete;
    Win32TrayWindow& operator=(const Win32TrayWindow&) = delete;

    Handle WindowHandle() const override { return ToHandle(window_.get()); }

  private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

    TrayWindowEvents& events_;
    UINT taskbarCreated_;
    OwnedWindow window_;
};

} // namespace kesto::platform::win32
