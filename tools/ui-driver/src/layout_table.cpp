// Control names looked up in the layout tables: entries, places, painted kinds, child windows.
#include "layout_table.h"

#include "uidriver/error.h"

#include <algorithm>

namespace kesto::uidriver::layout {

Entry Find(const platform::FormLayout& form, const std::string& name) {
    const auto& controls = form.controls;
    const auto it =
        std::find_if(controls.begin(), controls.end(),
                     [&](const platform::ControlLayout& entry) { return entry.name == name; });
    if (it == controls.end()) {
        throw DriverError("the window " + form.name + " has no control " + name);
    }
    return {&*it, static_cast<int>(it - controls.begin())};
}

Rect TablePlace(const platform::FormLayout& form, const std::string& name) {
    const platform::ControlLayout& entry = *Find(form, name).control;
    Rect place{entry.place.left, entry.place.top, entry.place.width, entry.place.height};
    if (!entry.parent.empty()) {
        const Rect parent = TablePlace(form, entry.parent);
        place.left += parent.left;
        place.top += parent.top;
    }
    return place;
}

bool Painted(platform::ControlKind kind) {
    return kind == platform::ControlKind::Picture || kind == platform::ControlKind::PictureButton ||
           kind == platform::ControlKind::Label || kind == platform::ControlKind::GroupFrame;
}

HWND ChildWindow(HWND form, const platform::FormLayout& layout, const std::string& name) {
    // Child windows get their dialog ID from their place in the table.
    constexpr int kFirstControlId = 1000;
    HWND child = GetDlgItem(form, kFirstControlId + Find(layout, name).index);
    if (child == nullptr) {
        throw DriverError("the window " + layout.name + " has no child window for " + name);
    }
    return child;
}

} // namespace kesto::uidriver::layout
