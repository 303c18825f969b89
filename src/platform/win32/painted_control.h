// What the controls their form paints share: labels, pictures and group frames. Those with a
// text have a window of their own for other programs to read (readable_window.h); it shows what
// the form paints.
#pragma once

#include "platform/win32/control_base.h"

namespace kesto::platform::win32 {

struct ReadableKind;

class PaintedControl : public ControlBase {
  public:
    // Without a readable kind, the control has no window: it is only decoration.
    PaintedControl(const ControlCreation& creation, const ReadableKind* readable);

    virtual void Paint(HDC dc) const = 0;
    virtual bool Hit(POINT point) const;
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
    HWND OwnWindow() const override { return readable_; }

  protected:
    COLORREF Background() const;
    const std::string& OwnText() const { return text_; }

  private:
    void Invalidate() const;

    std::string text_;
    bool visible_;
    HWND readable_;
};

} // namespace kesto::platform::win32
