// The program's main window, its controls reached by their names in the layout table.
#pragma once

#include "uidriver/geometry.h"
#include "uidriver/mouse.h"
#include "uidriver/window.h"

#include <string>

namespace kesto::uidriver {

class MainForm {
  public:
    explicit MainForm(Window window) : window_(window) {}
    const Window& Frame() const { return window_; }

    // The child window of a control; throws for painted controls without a text, which have
    // none.
    Window Control(const std::string& name) const;
    // Where the program puts a control, in the main window's client coordinates: the layout
    // table's place, or the one the skin gives its pictures and title to fit the window's size.
    Rect Place(const std::string& name) const;
    // Presses and releases a mouse button at the centre of a painted control.
    void Press(const std::string& name, MouseButton button = MouseButton::Left) const;

  private:
    Window window_;
};

} // namespace kesto::uidriver
