// Labels, pictures and group frames: drawn by their form. Those with a text have a window of
// their own for other programs to read (shell_window.h); it shows what the form paints.
#pragma once

#include "platform/win32/control_base.h"

namespace kesto::platform::win32 {

class WindowlessControl : public ControlBase {
  public:
    WindowlessControl(Win32Form& form, const ControlLayout& entry, int index);
    ~WindowlessControl() override;
    WindowlessControl(const WindowlessControl&) = delete;
    WindowlessControl& operator=(const WindowlessControl&) = delete;

    void Paint(HDC dc) const;
    // Group frames take no mouse input.
    bool Hit(POINT point) const;
    void ApplyPlace() override;
    // The form paints with its fonts each time; the window must not keep a deleted one.
    void ApplyFont() override;

    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override;
    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override;
    void SetFocus() override;
    void SetPlace(const Rect& place) override;
    void SetBackColor(Rgb color) override;
    void SetToolTipText(const std::string& text) override;
    Handle WindowHandle() const override;
    HWND OwnWindow() const override { return shell_; }

  private:
    void Invalidate() const;
    COLORREF Background() const;
    void PaintLabel(HDC dc, RECT area) const;
    void PaintFrame(HDC dc, RECT area) const;
    void PaintPicture(HDC dc, RECT area) const;

    std::string text_;
    bool visible_;
    bool transparent_;
    bool titleFont_;
    bool stretch_;
    HBITMAP bitmap_;
    HWND shell_; // null for a picture without a text
};

} // namespace kesto::platform::win32
