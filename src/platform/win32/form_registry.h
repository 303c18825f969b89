// The forms alive in this program, for the message loop's keyboard handling and for choosing
// a message box's owner.
#pragma once

#include "platform/win32/win32_api.h"

namespace kesto::platform::win32 {

class Win32Form;

// window: the form's own top-level window.
void RegisterForm(Win32Form& form, HWND window);
void UnregisterForm(Win32Form& form);
// The form whose top-level window holds `window`, if any.
Win32Form* FormHolding(HWND window);
void NoteFormShown(Win32Form& form);
// The visible form shown most recently, or none.
HWND LastShownVisibleForm();

} // namespace kesto::platform::win32
