// A top-level window built from a layout table: its child windows, the controls it paints
// itself, and the translation of its window messages into FormEvents calls.
#pragma once

#include "platform/win32/brush_cache.h"
#include "platform/win32/control_base.h"
#include "platform/win32/fonts.h"
#include "platform/win32/tooltip.h"
#include "platform/win32/win32_api.h"

#include <memory>
#include <string>
#include <vector>

namespace kesto::platform::win32 {

class ChildControl;
class PaintedControl;
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
    Rect Bounds() const override;
    void Move(int left, int top) override;
    Handle WindowHandle() const override { return ToHandle(window_); }
    Handle IconHandle() const override { return ToHandle(icon_); }

    // The window's shape, given in layout pixels; the form keeps it to scale it again when
    // the window moves to a screen of another density.
    int SetShape(HRGN layout, bool redraw);

    // For the controls.
    HWND Window() const { return window_; }
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
    // Has area, in device pixels of the client area, painted again, in the form and in the
    // windows of painted controls.
    void InvalidatePainted(const RECT& area);
    // Where the child windows lie in the client area, in device pixels.
    std::vector<RECT> ChildWindowAreas() const;
    // Paints part of window, the form or a child window, as the form's painted controls show
    // there.
    void PaintBeneath(HWND window, HDC dc, const RECT& part);
    void UncheckGroup(const Win32OptionButton& option);
    // A painted control cannot hold the focus: the form holds it instead.
    void FocusItself();

    // Tab, Shift+Tab, the arrow keys, Enter and F1, seen by the message loop before
    // dispatching.
    bool HandleKey(const MSG& message);

  protected:
    Control* Lookup(const std::string& name) override;

  private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void FitAndCentre();
    SIZE OuterSize() const;
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    int ApplyShape(bool redraw);
    void CreateControls(const FormLayout& layout);
    void StackPaintedControls();
    ControlBase* FindControl(const std::string& name) const;
    ChildControl* ChildWithId(int id) const;
    PaintedControl* PaintedControlAt(POINT point) const;
    bool OwnsControlWindow(HWND window) const;
    bool Inside(const ControlBase& control, const std::string& frame) const;

    void Paint();
    void PaintControls(HDC dc, const RECT& area);
    LRESULT OnControlColor(UINT message, HDC dc, HWND control);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnButtonDown(LPARAM lParam, int button);
    void OnLeftButtonUp(LPARAM lParam);
    void OnActivate(WPARAM wParam);

    // Keyboard, in form_focus.cpp.
    bool PressFocusedButton(bool repeated);
    bool CanTakeFocus(const ControlBase& control) const;
    ControlBase* FocusedControl() const;
    void MoveFocus(bool backward);
    void MoveWithinGroup(const ControlBase& option, bool backward);
    void FocusFirst();
    bool RestoreFocus();
    void RememberFocus();

    FormEvents& events_;
    std::vector<std::string> tabOrder_;
    BrushCache brushes_;
    COLORREF color_;
    FrameStyle frame_;
    // The client area in layout pixels.
    int clientWidth_;
    int clientHeight_;
    HWND window_;
    UINT dpi_;
    std::unique_ptr<Fonts> fonts_;
    // In layout pixels; null while the window is a plain rectangle.
    HRGN shape_ = nullptr;
    HICON icon_;
    ToolTip tips_;
    std::vector<std::unique_ptr<ControlBase>> controls_;
    // Painted controls, topmost first.
    std::vector<PaintedControl*> stacking_;
    PaintedControl* pressed_ = nullptr;
    // The child that had the focus when the form was last deactivated.
    HWND savedFocus_ = nullptr;
};

} // namespace kesto::platform::win32
