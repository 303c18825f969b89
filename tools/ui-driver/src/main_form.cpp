// Places of the main window's controls as the skin fits them, and presses on the painted ones.
#include "uidriver/main_form.h"

#include "layout_table.h"
#include "ui/main_names.h"
#include "ui/make_window.h"
#include "uidriver/error.h"

namespace kesto::uidriver {

namespace {

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
    return Window(layout::ChildWindow(window_.Handle(), ui::MainWindow::Layout(), name));
}

Rect MainForm::Place(const std::string& name) const {
    const platform::FormLayout& form = ui::MainWindow::Layout();
    Rect place = layout::TablePlace(form, name);
    if (name == "lblTitle") {
        place.left = ui::kTitleLeft;
        place.top = ui::kTitleTop;
    }
    // The skin is fitted once, at the start, to the window's size then: without a frame, that of
    // its client area in the table. The window's size now would be wrong while it is minimised.
    for (const ui::SkinPlacement& row : ui::SkinLayout(form.clientWidth, form.clientHeight)) {
        if (name == row.control.text) {
            place.left = row.left;
            place.top = row.top;
            place.width = row.width.value_or(place.width);
            place.height = row.height.value_or(place.height);
        }
    }
    return place;
}

void MainForm::Press(const std::string& name, MouseButton button) const {
    if (!layout::Painted(layout::Find(ui::MainWindow::Layout(), name).control->kind)) {
        throw DriverError(name + " takes the mouse itself: click it through its own messages");
    }
    const Rect place = Place(name);
    const LPARAM at = MAKELPARAM(place.CenterX(), place.CenterY());
    const ButtonMessages messages = MessagesFor(button);
    window_.Post(messages.down, messages.held, at);
    window_.Post(messages.up, 0, at);
}

} // namespace kesto::uidriver
