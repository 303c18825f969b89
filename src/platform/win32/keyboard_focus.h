// The keyboard of a form: the focus along the tab order, kept while the form is inactive; Tab,
// Enter, the arrow keys and F1, each taken as the focused control's kind takes it in a dialog.
#pragma once

#include "platform/win32/form_controls.h"

namespace kesto::platform::win32 {

// Owned by its form. Only child windows take the focus; while none can, the form's own window
// holds it. The controls it is given outlive it.
class KeyboardFocus {
  public:
    KeyboardFocus(HWND form, FormEvents& events, const FormControls& controls)
        : form_(form), events_(events), controls_(controls) {}

    // Tab, Shift+Tab, the arrow keys, Enter and F1, seen by the message loop before dispatching;
    // true when the key was the form's and is not to be dispatched.
    bool HandleKey(const MSG& message);

    // WM_ACTIVATE: remembers the focus when the form goes inactive and gives it back, or to
    // the first control of the tab order, when it comes back.
    void OnActivate(WPARAM wParam);
    // WM_SETFOCUS on the form's own window.
    void OnSetFocus() { RestoreFocus(); }
    // A painted control cannot hold the focus: the form holds it instead.
    void FocusForm();

  private:
    ChildControl* FocusedControl() const;
    void MoveFocus(bool backward);
    void FocusFirst();
    bool RestoreFocus();
    void RememberFocus();

    HWND form_;
    FormEvents& events_;
    const FormControls& controls_;
    // The child that had the focus when the form was last deactivated.
    HWND savedFocus_ = nullptr;
};

} // namespace kesto::platform::win32
