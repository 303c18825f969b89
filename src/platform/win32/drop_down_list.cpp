// Drop-down combo boxes: their height and what only they answer.
#include "platform/win32/drop_down_list.h"

#include "platform/win32/fonts.h"

namespace kesto::platform::win32 {

namespace {

constexpr ListMessages kComboMessages{CB_RESETCONTENT, CB_ADDSTRING, CB_GETCOUNT, CB_GETLBTEXTLEN,
                                      CB_GETLBTEXT,    CB_GETCURSEL, CB_SETCURSEL};

// How many items a dropped-down list shows before it scrolls.
constexpr int kDroppedItems = 10;

int DroppedListHeight(int itemHeight) {
    return kDroppedItems * itemHeight + 2;
}

int ListRoomAtCreation(const Fonts::LineHeights& lines) {
    return DroppedListHeight(lines.message) + lines.system - lines.message;
}

// The whole window, list included, for a closed place.
RECT WithList(RECT closed, int itemHeight) {
    closed.bottom += DroppedListHeight(itemHeight);
    return closed;
}

} // namespace

// Made with its list's room already, from the height a list gives a line of its font, so that
// placing it at the start finds nothing to move: each move makes it lay its parts out anew. A
// combo box takes the list's room as what its window has beyond its closed height with the font
// it is made with, the system's, and keeps that room when its font changes.
Win32DropDownList::Win32DropDownList(const ControlCreation& creation)
    : ListChildControl(creation, {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL}, kComboMessages,
                       ListRoomAtCreation(creation.host.GetFonts().LineHeight())),
      given_(WithList(Area(), creation.host.GetFonts().LineHeight().message)) {
    SendMessageW(window_, CB_SETMINVISIBLE, kDroppedItems, 0);
}

void Win32DropDownList::ApplyPlace() {
    const RECT area = Area();
    const RECT whole =
        WithList(area, static_cast<int>(SendMessageW(window_, CB_GETITEMHEIGHT, 0, 0)));
    if (!EqualRect(&whole, &given_)) {
        MoveWindow(window_, whole.left, whole.top, whole.right - whole.left,
                   whole.bottom - whole.top, TRUE);
        given_ = whole;
    }
    FitClosedHeight(area.bottom - area.top);
}

// The closed height follows the font; the selection field is grown or shrunk to the height
// the layout asks for. What CB_SETITEMHEIGHT sets and CB_GETITEMHEIGHT reports may differ by a
// constant, which a second round makes up for.
void Win32DropDownList::FitClosedHeight(int height) {
    auto field = static_cast<int>(SendMessageW(window_, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    for (int round = 0; round < 2; ++round) {
        RECT closed;
        GetWindowRect(window_, &closed);
        const int difference = height - (closed.bottom - closed.top);
        if (difference == 0 || field + difference <= 0) {
            return;
        }
        field += difference;
        SendMessageW(window_, CB_SETITEMHEIGHT, WPARAM(-1), field);
    }
}

} // namespace kesto::platform::win32
