// Option buttons: their check, their group and their colours.
#include "platform/win32/option_button.h"

#include "platform/win32/form.h"

namespace kesto::platform::win32 {

Win32OptionButton::Win32OptionButton(const ControlCreation& creation)
    : ChildControl(creation, {WC_BUTTONW, static_cast<DWORD>(BS_AUTORADIOBUTTON) |
                                              (creation.firstOfGroup ? WS_GROUP : 0)}) {
    SendMessageW(window_, BM_SETCHECK, creation.entry.checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32OptionButton::Checked() const {
    return SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32OptionButton::SetChecked(bool checked) {
    if (checked) {
        form_.UncheckGroup(*this);
    }
    SendMessageW(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsCheckedOption(const ControlBase& control) {
    return control.Kind() == ControlKind::OptionButton &&
           static_cast<const Win32OptionButton&>(control).Checked();
}

} // namespace kesto::platform::win32
