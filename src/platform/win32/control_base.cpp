#include "platform/win32/control_base.h"

#include "platform/win32/dpi.h"
#include "platform/win32/form.h"

namespace kesto::platform::win32 {

bool IsWindowlessKind(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Picture ||
           kind == ControlKind::GroupFrame;
}

std::string GroupNameOf(const std::string& name) {
    return name.substr(0, name.find('('));
}

ControlBase::ControlBase(Win32Form& form, const ControlLayout& entry, int index)
    : form_(form), place_(entry.place), name_(entry.name), parent_(entry.parent), kind_(entry.kind),
      index_(index) {}

RECT ControlBase::LayoutArea() const {
    const POINT origin = form_.Origin(parent_);
    RECT area = ToRect(place_);
    OffsetRect(&area, origin.x, origin.y);
    return area;
}

RECT ControlBase::Area() const {
    return ToDevice(LayoutArea(), form_.Dpi());
}

} // namespace kesto::platform::win32
