// What a form keeps of every control, whatever its kind: its entry in the layout table, its
// number, the group frame it lies in, its place and colour. The kinds live in files of their own.
#pragma once

#include "platform/controls.h"
#include "platform/win32/control_host.h"
#include "platform/win32/conversions.h"

#include <optional>
#include <string>

namespace kesto::platform::win32 {

class ControlBase;

// What a control is made from.
struct ControlCreation {
    ControlHost& host;
    const ControlLayout& entry;
    int index; // in the layout table
    // The group frame it is placed in; null for the form itself.
    const ControlBase* parent = nullptr;
};

class ControlBase : public virtual Control {
  public:
    explicit ControlBase(const ControlCreation& creation);
    ControlBase(const ControlBase&) = delete;
    ControlBase& operator=(const ControlBase&) = delete;

    const std::string& Name() const { return name_; }
    const ControlBase* Parent() const { return parent_; }
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

    ControlHost& host_;
    Rect place_;
    std::optional<COLORREF> backColor_;

  private:
    std::string name_;
    const ControlBase* parent_;
    int index_;
};

} // namespace kesto::platform::win32
