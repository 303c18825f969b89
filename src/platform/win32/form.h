// The top-level window of a form built from a layout table: its creation, density, shape,
// frame and colours, its controls, and its window messages turned into FormEvents calls.
// Painting and the mouse over painted controls are its PaintedSurface's, the keyboard its
// KeyboardFocus's; what its controls need of it, it gives them as their ControlHost.
#pragma once

#include "platform/win32/brush_cache.h"
#include "platform/win32/control_host.h"
#include "platform/win32/conversions.h"
#include "platform/win32/fonts.h"
#include "platform/win32/form_controls.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/keyboard_focus.h"
#include "platform/win32/owned_window.h"
#include "platform/win32/painted_surface.h"
#include "platform/win32/tooltip.h"

#include <memory>
#include <string>
#include <vector>

namespace kesto::platform::win32 {

class ChildControl;

class Win32Form final : public Form, public ControlHost {
  public:
    // icon: the resource number of the window's icon; 0 for none.
    Win32Form(const FormLayout& layout, FormEvents& events, int icon = 0);
    ~Win32Form() override;
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    void Show() override;
    void Hide() override;
    bool Visible() const override;
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;
    void SetWindowState(WindowState state) override;
    void SetCaption(const std::string& caption) override;
    void SetBackColor(Rgb color) override;
    ScreenRect Bounds() const override;
    Rect Area() const override;
    void Move(ScreenPoint topLeft) override;
    Handle WindowHandle() const override { return ToHandle(Window()); }
    Handle IconHandle() const override { return ToHandle(icon_); }

    // The window's shape, given in layout pixels (empty: none); the form keeps it to scale it
    // again when the window moves to a screen of another density. SetWindowRgn's result.
    int SetShape(Region layout, bool redraw);
    // Seen by the message loop before dispatching; true when the key was the form's.
    bool HandleKey(const MSG& message) { return keyboard_.HandleKey(message); }

    HWND Window() const override { return window_.get(); }
    UINT Dpi() const override { return dpi_; }
    const Fonts& GetFonts() const override { return *fonts_; }
    HBRUSH Brush(COLORREF color) override { return brushes_.Get(color); }
    COLORREF Color() const override { return color_; }
    ToolTip& Tips() override { return tips_; }
    FormEvents& Events() override { return events_; }
    void InvalidatePainted(const RECT& area) override { surface_.Invalidate(area); }
    void PaintBeneath(HWND window, HDC dc, const RECT& part) override {
        surface_.PaintBeneath(window, dc, part);
    }
    std::vector<RECT> ChildWindowAreas() const override { return surface_.ChildWindowAreas(); }
    void FocusItself() override { keyboard_.FocusForm(); }

  protected:
    Control* Lookup(const std::string& name) override { return controls_.Named(name); }

  private:
    void FitAndCentre();
    SIZE OuterSize() const;
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    int ApplyShape(bool redraw);
    void PlaceControls();

    // Messages, in form_messages.cpp.
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnControlColor(UINT message, HDC dc, HWND control);
    void OnCommand(WPARAM wParam, LPARAM lParam);

    FormEvents& events_;
    BrushCache brushes_;
    COLORREF color_;
    FrameStyle frame_;
    // The client area in layout pixels.
    int clientWidth_;
    int clientHeight_;
    OwnedWindow window_;
    UINT dpi_;
    std::unique_ptr<Fonts> fonts_;
    // In layout pixels; empty while the window is a plain rectangle.
    Region shape_;
    HICON icon_;
    ToolTip tips_;
    FormControls controls_;
    PaintedSurface surface_;
    KeyboardFocus keyboard_;
};

} // namespace kesto::platform::win32
