// The top-level window of a form built from a layout table: its creation, density, shape,
// frame and colours, its controls, and its window messages turned into FormEvents calls.
// Painting and the mouse over painted controls are its PaintedSurface's, the keyboard its
// KeyboardFocus's.
#pragma once

#include "platform/win32/brush_cache.h"
#include "platform/win32/control_base.h"
#include "platform/win32/fonts.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/keyboard_focus.h"
#include "platform/win32/owned_window.h"
#include "platform/win32/painted_surface.h"
#include "platform/win32/tooltip.h"
#include "platform/win32/win32_api.h"

#include <memory>
#include <string>
#include <vector>

namespace kesto::platform::win32 {

class ChildControl;
class Win32OptionButton;

class Win32Form : public Form {
  public:
    Win32Form(const FormLayout& layout, FormEvents& events);
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

    // For the controls.
    HWND Window() const { return window_.get(); }
    UINT Dpi() const { return dpi_; }
    FormEvents& Events() { return events_; }
    const Fonts& GetFonts() const { return *fonts_; }
    ToolTip& Tips() { return tips_; }
    COLORREF Color() const { return color_; }
    HBRUSH Brush(COLORREF color) { return brushes_.Get(color); }
    // Top left corner of a group frame in the client area, in layout pixels; the client's own
    // for "".
    POINT Origin(const std::string& parent) const;
    void PlaceChildren(const std::string& frame);
    void UncheckGroup(const Win32OptionButton& option);
    // What PaintedSurface and KeyboardFocus do for the controls and the message loop; places in
    // device pixels of the client area.
    void InvalidatePainted(const RECT& area) { surface_.Invalidate(area); }
    std::vector<RECT> ChildWindowAreas() const { return surface_.ChildWindowAreas(); }
    void PaintBeneath(HWND window, HDC dc, const RECT& part) {
        surface_.PaintBeneath(window, dc, part);
    }
    void FocusItself() { keyboard_.FocusForm(); }
    bool HandleKey(const MSG& message) { return keyboard_.HandleKey(message); }

  protected:
    Control* Lookup(const std::string& name) override;

  private:
    void FitAndCentre();
    SIZE OuterSize() const;
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    int ApplyShape(bool redraw);
    void CreateControls(const FormLayout& layout);
    ControlBase* FindControl(const std::string& name) const;

    // Messages, in form_messages.cpp.
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    ChildControl* ChildWithId(int id) const;
    bool OwnsControlWindow(HWND window) const;
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
    std::vector<std::unique_ptr<ControlBase>> controls_;
    PaintedSurface surface_;
    KeyboardFocus keyboard_;
};

} // namespace kesto::platform::win32
