// The controls of a form, one interface per kind: each kind adds only what that kind has, and a
// control is reached by a name that carries its kind and its window.
#pragma once

#include "platform/layout.h"
#include "platform/os.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <type_traits>

namespace kesto::platform {

// What every control has. The kinds below add only what that kind has, so that a call a kind
// does not take does not build.
class Control {
  public:
    virtual ~Control() = default;
    virtual std::string Text() const = 0; // a list's text is its selected item's
    virtual void SetText(const std::string& text) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetFocus() = 0;
    virtual Rect Place() const = 0;
    virtual void SetPlace(const Rect& place) = 0;
    virtual void SetBackColor(Rgb color) = 0;
    virtual void SetToolTipText(const std::string& text) = 0;
    virtual Handle WindowHandle() const = 0;
};

class Label : public virtual Control {
  public:
    static constexpr ControlKind kKind = ControlKind::Label;
};

class TextBox : public virtual Control {
  public:
    static constexpr ControlKind kKind = ControlKind::TextBox;
};

class PushButton : public virtual Control {
  public:
    static constexpr ControlKind kKind = ControlKind::PushButton;
};

class GroupFrame : public virtual Control {
  public:
    static constexpr ControlKind kKind = ControlKind::GroupFrame;
};

class Picture : public virtual Control {
  public:
    static constexpr ControlKind kKind = ControlKind::Picture;
};

class PictureButton : public virtual Control {
  public:
    static constexpr ControlKind kKind = ControlKind::PictureButton;
};

class OptionButton : public virtual Control {
  public:
    static constexpr ControlKind kKind = ControlKind::OptionButton;
    virtual bool Checked() const = 0;
    // Checking one unchecks the others of its group.
    virtual void SetChecked(bool checked) = 0;
};

// List boxes and combo boxes.
class ListControl : public virtual Control {
  public:
    virtual void Clear() = 0;
    virtual void AddItem(const std::string& item) = 0;
    virtual int ListCount() const = 0;
    virtual std::string List(int index) const = 0;
    virtual int ListIndex() const = 0; // -1: nothing selected
    virtual void SetListIndex(int index) = 0;
};

class ListBox : public virtual ListControl {
  public:
    static constexpr ControlKind kKind = ControlKind::ListBox;
};

class DropDownList : public virtual ListControl {
  public:
    static constexpr ControlKind kKind = ControlKind::DropDownList;
};

// A control as its window lists it.
struct ListedControl {
    std::string_view name;
    ControlKind kind;
    friend constexpr bool operator==(const ListedControl&, const ListedControl&) = default;
};

// Never defined: called where a name is checked, it makes an unlisted name no constant
// expression, and the compiler names it in the error.
void NotAControlOfThisWindow();

// A control's name in its layout table, with its kind and the window it belongs to: declared
// once per window, so that a misspelt name, a wrong kind or another window's name does not build.
template <class Kind, class Window> class ControlName {
  public:
    // Only a name the window lists with this very kind builds. Names of base kinds come from
    // the conversion below.
    consteval ControlName(const char* name) requires requires { Kind::kKind; } : text(name) {
        if (std::ranges::find(Window::kControls, ListedControl{name, Kind::kKind}) ==
            Window::kControls.end()) {
            NotAControlOfThisWindow();
        }
    }

    // A list box's name is also the name of a control.
    template <class Base>
    requires std::is_base_of_v<Base, Kind>
    constexpr operator ControlName<Base, Window>() const {
        return ControlName<Base, Window>(text, typename ControlName<Base, Window>::Listed{});
    }

    const char* const text;

  private:
    template <class, class> friend class ControlName;
    struct Listed {};
    constexpr ControlName(const char* name, Listed) : text(name) {}
};

} // namespace kesto::platform
