// The window of a painted control, through which other programs (screen readers above all) see
// it: a static text for a label, a group box for a group frame, an owner-drawn push button for a
// picture that names a command. It shows what its form paints beneath it, and the mouse passes
// through it to the form, which keeps handling the painted controls as before.
#pragma once

#include "platform/win32/win32_api.h"

#include <vector>

namespace kesto::platform::win32 {

class Win32Form;

// Null for controls that are only decoration: pictures without a text.
HWND CreateShellWindow(Win32Form& form, const ControlLayout& entry, int id);

// Puts the window over area, in device pixels of the form's client area, with a hole wherever
// one of the form's child windows lies: so it hides none of them, however they are stacked.
void PlaceShellWindow(HWND shell, const RECT& area, const std::vector<RECT>& childAreas);

} // namespace kesto::platform::win32
