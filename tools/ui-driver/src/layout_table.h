// The program's layout tables, read to tell which window or spot belongs to a control name.
#pragma once

#include "platform/toolkit.h"
#include "uidriver/geometry.h"

#include <windows.h>

#include <string>

namespace kesto::uidriver::layout {

struct Entry {
    const platform::ControlLayout* control;
    int index; // in creation order
};

// Throws DriverError when the form has no control of that name.
Entry Find(const platform::FormLayout& form, const std::string& name);
// The table's place in the form's client area, that of a group frame's child included.
Rect TablePlace(const platform::FormLayout& form, const std::string& name);
// Painted by the form itself, which takes their mouse input too; those with a text have a
// window all the same, for other programs to read.
bool Painted(platform::ControlKind kind);
// The child window a control of the form has, by its place in the table; throws DriverError
// when there is none.
HWND ChildWindow(HWND form, const platform::FormLayout& layout, const std::string& name);

} // namespace kesto::uidriver::layout
