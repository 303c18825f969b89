// The program's layout tables, read to tell which window or spot belongs to a control name.
#pragma once

#include "platform/toolkit.h"
#include "uidriver/geometry.h"

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
// Painted by the form itself, which takes their mouse input too.
bool Windowless(platform::ControlKind kind);

} // namespace kesto::uidriver::layout
