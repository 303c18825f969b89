// Option buttons: their check, their group and the arrow keys between them.
#include "platform/win32/option_button.h"

#include <algorithm>

namespace kesto::platform::win32 {

bool OptionGroup::AnyChecked() const {
    return std::any_of(members_.begin(), members_.end(),
                       [](const Win32OptionButton* option) { return option->Checked(); });
}

void OptionGroup::UncheckAllBut(const Win32OptionButton& checked) {
    for (Win32OptionButton* option : members_) {
        if (option != &checked) {
            option->SetChecked(false);
        }
    }
}

// As in a dialog, where selecting an option button clicks it.
void OptionGroup::ClickNext(const Win32OptionButton& from, bool backward) {
    const int count = static_cast<int>(members_.size());
    const int current =
        static_cast<int>(std::find(members_.begin(), members_.end(), &from) - members_.begin());
    for (int step = 1; step < count; ++step) {
        const int index = ((current + (backward ? -step : step)) % count + count) % count;
        const HWND window = members_[static_cast<std::size_t>(index)]->OwnWindow();
        if (TakesInput(window)) {
            SendMessageW(window, BM_CLICK, 0, 0);
            return;
        }
    }
}

// Checking an automatic option button makes the system walk its group, round trips to the window
// server at every start: the checked one is made plain, checked, and then made automatic.
Win32OptionButton::Win32OptionButton(const ControlCreation& creation, OptionGroup& group)
    : ChildControl(creation,
                   {WC_BUTTONW, static_cast<DWORD>(creation.entry.checked ? BS_RADIOBUTTON
                                                                          : BS_AUTORADIOBUTTON) |
                                    (group.Empty() ? WS_GROUP : 0)}),
      group_(group) {
    group_.Add(*this);
    if (creation.entry.checked) {
        SendMessageW(window_, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageW(window_, BM_SETSTYLE, BS_AUTORADIOBUTTON, FALSE);
    } else {
        SendMessageW(window_, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

bool Win32OptionButton::Checked() const {
    return SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32OptionButton::SetChecked(bool checked) {
    if (checked) {
        group_.UncheckAllBut(*this);
    }
    SendMessageW(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32OptionButton::TabStopsHere() const {
    return ChildControl::TabStopsHere() && (Checked() || !group_.AnyChecked());
}

bool Win32OptionButton::OnArrow(bool backward) {
    group_.ClickNext(*this, backward);
    return true;
}

} // namespace kesto::platform::win32
