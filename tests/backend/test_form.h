// Layouts of small forms for the backend's own cases.
#pragma once

#include "platform/layout.h"

#include <string>
#include <utility>
#include <vector>

namespace kesto::platform::win32 {

inline ControlLayout ControlOf(std::string name, ControlKind kind, std::string text, Rect place) {
    ControlLayout control;
    control.name = std::move(name);
    control.kind = kind;
    control.text = std::move(text);
    control.place = place;
    return control;
}

inline FormLayout SmallFormLayout(std::string name, int width, int height,
                                  std::vector<ControlLayout> controls) {
    FormLayout layout;
    layout.name = std::move(name);
    layout.clientWidth = width;
    layout.clientHeight = height;
    layout.controls = std::move(controls);
    return layout;
}

} // namespace kesto::platform::win32
