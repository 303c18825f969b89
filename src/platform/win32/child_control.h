// What the controls that are child windows of their form share: their window, its text,
// visibility, place, colour and tool tip, and the keys a dialog would give them. Each kind adds
// its own in a file of its own.
#pragma once

#include "platform/win32/control_base.h"

namespace kesto::platform::win32 {

// Moves window, a child, to area in its parent's client pixels unless it stands there already.
void MoveChildWindow(HWND window, const RECT& area);

// Shown and enabled, by the window's own flags, not IsWindowVisible: the form may still be on its
// way to the screen.
bool TakesInput(HWND window);

// The window class and styles of a kind of child control.
struct ChildWindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle = 0;
};

class ChildControl : public ControlBase {
  public:
    ChildControl(const ControlCreation& creation, const ChildWindowKind& kind);

    HWND OwnWindow() const override { return window_; }
    void ApplyPlace() override;
    void ApplyFont() override;

    // The keyboard, as in a dialog. Whether Tab stops here.
    virtual bool TabStopsHere() const { return TakesInput(window_); }
    // Enter or an arrow key while the control has the focus; true when the control took it.
    virtual bool OnEnter(bool /*repeated*/) { return false; }
    virtual bool OnArrow(bool /*backward*/) { return false; }

    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool Visible() const override;
    void SetVisible(bool visible) override;
    void SetFocus() override;
    void SetPlace(const Rect& place) override;
    void SetBackColor(Rgb color) override;
    void SetToolTipText(const std::string& text) override;
    Handle WindowHandle() const override { return ToHandle(window_); }

  protected:
    HWND window_;
};

// As in a dialog, but never the default button: Enter presses it only while it has the focus.
class Win32PushButton final : public ChildControl, public PushButton {
  public:
    explicit Win32PushButton(const ControlCreation& creation)
        : ChildControl(creation, {WC_BUTTONW, BS_PUSHBUTTON}) {}

    bool OnEnter(bool repeated) override;
};

class Win32TextBox final : public ChildControl, public TextBox {
  public:
    explicit Win32TextBox(const ControlCreation& creation)
        : ChildControl(creation, {WC_EDITW, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE}) {}
};

} // namespace kesto::platform::win32
