// What the form keeps of any control: its layout entry, number, place and colour.
#include "platform/win32/control_base.h"

#include "platform/win32/dpi.h"

namespace kesto::platform::win32 {

ControlBase::ControlBase(const ControlCreation& creation)
    : host_(creation.host), place_(creation.entry.place), name_(creation.entry.name),
      parent_(creation.parent), index_(creation.index) {}

RECT ControlBase::LayoutArea() const {
    RECT area = ToRect(place_);
    if (parent_ != nullptr) {
        const RECT frame = parent_->LayoutArea();
        OffsetRect(&area, frame.left, frame.top);
    }
    return area;
}

RECT ControlBase::Area() const {
    return ToDevice(LayoutArea(), host_.Dpi());
}

} // namespace kesto::platform::win32
