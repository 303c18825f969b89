#include "uidriver/main_form.h"

#include "ui/main_layout.h"
#include "uidriver/error.h"

#include <algorithm>

namespace kesto::uidriver {

namespace {

using platform::ControlKind;
using platform::ControlLayout;

// Child windows get their dialog ID from their place in the table.
constexpr int kFirstControlId = 1000;

struct Found {
    const ControlLayout* entry;
    int index;
};

Found Lookup(const std::string& name) {
    const auto& controls = ui::MainFormLayout().controls;
    const auto it = std::find_if(controls.begin(), controls.end(),
                                 [&](const ControlLayout& entry) { return entry.name == name; });
    if (it == controls.end()) {
        throw DriverError("the main window has no control " + name);
    }
    return {&*it, static_cast<int>(it - controls.begin())};
}

bool Windowless(ControlKind kind) {
    return kind == ControlKind::Picture || kind == ControlKind::Label ||
           kind == ControlKind::GroupFrame;
}

struct ButtonMessages {
    UINT down, up;
    WPARAM held;
};

ButtonMessages MessagesFor(MouseButton button) {
    switch (button) {
    case MouseButton::Right:
        return {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON};
    case MouseButton::Middle:
        return {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON};
    case MouseButton::Left:
        break;
    }
    return {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON};
}

} // namespace

Window MainForm::Control(const std::string& name) const {
    const Found found = Lookup(name);
    if (Windowless(found.entry->kind)) {
        throw DriverError(name + " is painted by the main window, it has no window");
    }
    HWND child = GetDlgItem(window_.Handle(), kFirstControlId + found.index);
    if (child == nullptr) {
        throw DriverError("the main window has no child window for " + name);
    }
    return Window(child);
}

Rect MainForm::Place(const std::string& name) const {
    const ControlLayout& entry = *Lookup(name).entry;
    Rect place{entry.place.left, entry.place.top, entry.place.width, entry.place.height};
    if (!entry.parent.empty()) {
        const Rect parent = Place(entry.parent);
        place.left += parent.left;
        place.top += parent.top;
    }
    return place;
}

void MainForm::Press(const std::string& name, MouseButton button) const {
    if (!Windowless(Lookup(name).entry->kind)) {
        throw DriverError(name + " is a window: click it through its own messages");
    }
    const Rect place = Place(name);
    const LPARAM at = MAKELPARAM(place.CenterX(), place.CenterY());
    const ButtonMessages messages = MessagesFor(button);
    window_.Post(messages.down, messages.held, at);
    window_.Post(messages.up, 0, at);
}

} // namespace kesto::uidriver
