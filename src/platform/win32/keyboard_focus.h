// The keyboard of a form: the focus along the tab order and between the option buttons of a
// group, kept while the form is inactive; Enter on a push button, and F1.
#pragma once

#include "platform/win32/control_base.h"

#include <memory>
#include <string>
#include <vector>

namespace kesto::platform::win32 {

// Owned by its form. Only child windows take the focus; while none can, the form's own window
// holds it. The control list it is given outlives it.
class KeyboardFocus {
  public:
    KeyboardFocus(HWND form, FormEvents& events, std::vector<std::string> tabOrder,
                  const std::vector<std::unique_ptr<ControlBase>>& controls);

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
    bool PressFocusedButton(bool repeated);
    bool CanTakeFocus(const ControlBase& control) const;
    ControlBase* FocusedControl() const;
    ControlBase* Named(const std::string& name) const;
    void MoveFocus(bool backward);
    void MoveWithinGroup(const ControlBase& option, bool backward);
    void FocusFirst();
    bool RestoreFocus();
    void RememberFocus();

    HWND form_;
    FormEvents& events_;
    std::vector<std::string> tabOrder_;
    const std::vector<std::unique_ptr<ControlBase>>& controls_;
    // The child that had the focus when the form was last deactivated.
    HWND savedFocus_ = nullptr;
};

} // namespace kesto::platform::win32
