// Layout tables: what a form and its controls are made of, and where they stand, in pixels at
// 96 dots per inch; screen positions have types of their own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kesto::platform {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// A place in a layout: pixels at 96 dots per inch, from the top left of the form's client area
// for a control, of the window itself for a form's Area.
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

// Where a window stands on the screen, in the pixels of the screens themselves: one window
// can be told where another is, whatever the densities of the screens they stand on.
struct ScreenPoint {
    int x = 0, y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

struct ScreenRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const ScreenRect&) const = default;
};

enum class ControlKind {
    Label,
    TextBox,
    DropDownList,
    ListBox,
    OptionButton,
    GroupFrame,
    Picture,
    PictureButton, // a picture that names a command: clicked, and read out by its text
    PushButton,
};

struct ControlLayout {
    std::string name{};
    ControlKind kind = ControlKind::Label;
    // Empty: the form itself. Option buttons in one group frame are one group, in which one is
    // checked and the arrow keys move; those on the form itself are another.
    std::string parent{};
    std::string text{};
    Rect place{};
    bool visible = true;
    bool checked = false;
    bool transparent = false; // labels
    bool titleFont = false;   // white Arial 9.75 pt bold
    int bitmap = 0;           // pictures: the number of their bitmap resource; 0 for none
    bool stretch = false;
};

enum class FrameStyle {
    None,       // no caption, border or system buttons
    ToolWindow, // small caption with close button, sizeable border, no taskbar button
};

struct FormLayout {
    std::string name{};
    std::string caption{};
    int clientWidth = 0, clientHeight = 0;
    FrameStyle frame = FrameStyle::None;
    bool appIcon = false; // carries the program's icon (and so its taskbar entry shows it)
    std::vector<ControlLayout> controls{}; // in creation order, a group frame before what it holds
    std::vector<std::string> tabOrder{};   // names of controls that take part, first first
};

} // namespace kesto::platform
