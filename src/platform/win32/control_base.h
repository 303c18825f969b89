// What the form keeps of every control, whatever its kind: its entry in the layout table, its
// number, its place and colour. The kinds themselves live in files of their own.
#pragma once

#include "platform/toolkit.h"
#include "platform/win32/conversions.h"

#include <optional>
#include <string>

namespace kesto::platform::win32 {

class Win32Form;

// Labels, pictures and group frames: their form paints them, whether they have a window or not.
bool IsPaintedKind(ControlKind kind);

// The option group a name like "Opt1(0)" belongs to.
std::string GroupNameOf(const std::string& name);

// What a control is made from.
struct ControlCreation {
    Win32Form& form;
    const ControlLayout& entry;
    int index; // in the layout table
    // The first option button of a group starts a new group for the arrow keys.
    bool firstOfGroup = false;
};

class ControlBase : public virtual Control {
  public:
    explicit ControlBase(const ControlCreation& creation);
    ControlBase(const ControlBase&) = delete;
    ControlBase& operator=(const ControlBase&) = delete;

    const std::string& Name() const { return name_; }
    ControlKind Kind() const { return kind_; }
    const std::string& ParentName() const { return parent_; }
    std::string GroupName() const { return GroupNameOf(name_); }
    // Fixed: a UI test driver finds child windows by this number.
    int Id() const { return kFirstId + index_; }
    const std::optional<COLORREF>& BackColor() const { return backColor_; }
    // Where the control lies in the form's client area, in layout pixels and in the window's.
    RECT LayoutArea() const;
    RECT Area() const;
    // Puts the control where Place() says, after its group frame moved or the density changed.
    virtual void ApplyPlace() = 0;
    // Takes the form's fonts again after the density changed; painted controls ask each time.
    virtual void ApplyFont() {}
    // The control's child window; null for a painted control that has none.
    virtual HWND OwnWindow() const = 0;

    Rect Place() const override { return place_; }

  protected:
    static constexpr int kFirstId = 1000;

    Win32Form& form_;
    Rect place_;
    std::optional<COLORREF> backColor_;

  private:
    std::string name_;
    std::string parent_;
    ControlKind kind_;
    int index_;
};

} // namespace kesto::platform::win32
