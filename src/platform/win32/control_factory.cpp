// The one place that turns a layout entry's kind into its control class.
#include "platform/win32/control_factory.h"

#include "platform/win32/drop_down_list.h"
#include "platform/win32/group_frame.h"
#include "platform/win32/list_box.h"
#include "platform/win32/option_button.h"
#include "platform/win32/painted_label.h"
#include "platform/win32/painted_picture.h"

#include <stdexcept>

namespace kesto::platform::win32 {

std::unique_ptr<ControlBase> MakeControl(const ControlCreation& creation) {
    switch (creation.entry.kind) {
    case ControlKind::Label:
        return std::make_unique<Win32Label>(creation);
    case ControlKind::GroupFrame:
        return std::make_unique<Win32GroupFrame>(creation);
    case ControlKind::Picture:
        return std::make_unique<Win32Picture>(creation);
    case ControlKind::PictureButton:
        return std::make_unique<Win32PictureButton>(creation);
    case ControlKind::OptionButton:
        return std::make_unique<Win32OptionButton>(creation);
    case ControlKind::DropDownList:
        return std::make_unique<Win32DropDownList>(creation);
    case ControlKind::ListBox:
        return std::make_unique<Win32ListBox>(creation);
    case ControlKind::TextBox:
        return std::make_unique<Win32TextBox>(creation);
    case ControlKind::PushButton:
        return std::make_unique<Win32PushButton>(creation);
    }
    // Only a value outside the enumeration gets here; -Wswitch names a kind the switch misses.
    throw std::invalid_argument("layout entry of no known control kind");
}

} // namespace kesto::platform::win32
