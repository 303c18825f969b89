// Drop-down combo boxes: their height and what only they answer.
#include "platform/win32/drop_down_list.h"

#include "platform/win32/fonts.h"

namespace kesto::platform::win32 {

namespace {

constexpr ListMessages kComboMessages{CB_RESETCONTENT, CB_ADDSTRING, CB_GETCOUNT, CB_GETLBTEXTLEN,
                                      CB_GETLBTEXT,    CB_GETCURSEL, CB_SETCURSEL};

// How many items a dropped-down list shows before it scrolls.
constexpr int kDroppedItems = 10;

} // namespace

// Made at its closed height: the list's room comes from CB_SETMINVISIBLE. Room in the window
// would make the list's own window at once and lay it out again at every change of height,
// round trips to the display at every start under Wine.
Win32DropDownList::Win32DropDownList(const ControlCreation& creation)
    : ListChildControl(creation, {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL}, kComboMessages) {
    SendMessageW(window_, CB_SETMINVISIBLE, kDroppedItems, 0);
}

// Its height is the fitting's: a move that changed it would lay the box out once more.
void Win32DropDownList::ApplyPlace() {
    const RECT area = Area();
    RECT current;
    GetWindowRect(window_, &current);
    MoveChildWindow(window_,
                    {area.left, area.top, area.right, area.top + current.bottom - current.top});
    FitClosedHeight(area.bottom - area.top);
}

// The closed height follows the font; the selection field is grown or shrunk to the height
// the layout asks for. What CB_SETITEMHEIGHT sets and CB_GETITEMHEIGHT reports may differ by a
// constant, which a second round makes up for; a field that fitted a list before is tried first.
void Win32DropDownList::FitClosedHeight(int height) {
    const Fonts& fonts = host_.GetFonts();
    std::optional<int> setField = fonts.FittedField(height);
    if (setField) {
        SendMessageW(window_, CB_SETITEMHEIGHT, WPARAM(-1), *setField);
    }
    int field = setField ? *setField
                         : static_cast<int>(SendMessageW(window_, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    for (int round = 0; round < 3; ++round) {
        RECT closed;
        GetWindowRect(window_, &closed);
        const int difference = height - (closed.bottom - closed.top);
        if (difference == 0) {
            if (setField) {
                fonts.NoteFittedField(height, *setField);
            }
            return;
        }
        if (field + difference <= 0) {
            return;
        }
        field += difference;
        SendMessageW(window_, CB_SETITEMHEIGHT, WPARAM(-1), field);
        setField = field;
    }
}

} // namespace kesto::platform::win32
