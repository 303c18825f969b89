// What the form keeps of any control: its layout entry, number, place and colour.
#include "platform/win32/control_base.h"

#include "platform/win32/dpi.h"
#include "platform/win32/form.h"

namespace kesto::platform::win32 {

bool IsPaintedKind(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Picture ||
           kind == ControlKind::PictureButton || kind == ControlKind::GroupFrame;
}

std::string GroupNameOf(const std::string& name) {
    return name.substr(0, name.find('('));
}

ControlBase::ControlBase(const ControlCreation& creation)
    : form_(creation.form), place_(creation.entry.place), name_(creation.entry.name),
      parent_(creation.entry.parent), kind_(creation.entry.kind), index_(creation.index) {}

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
