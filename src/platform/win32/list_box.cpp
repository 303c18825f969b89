// List boxes: their subclass, which passes the pointer's moves to the form's owner.
#include "platform/win32/list_box.h"

#include "platform/win32/kept_exceptions.h"

#include <windowsx.h>

namespace kesto::platform::win32 {

namespace {

constexpr ListMessages kListBoxMessages{LB_RESETCONTENT, LB_ADDSTRING, LB_GETCOUNT, LB_GETTEXTLEN,
                                        LB_GETTEXT,      LB_GETCURSEL, LB_SETCURSEL};

} // namespace

Win32ListBox::Win32ListBox(const ControlCreation& creation)
    : ListChildControl(creation,
                       {WC_LISTBOXW, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT},
                       kListBoxMessages) {
    SetWindowSubclass(window_, Subclass, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK Win32ListBox::Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, Subclass, id);
    }
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_MOUSEMOVE) {
        const int buttons = ((wParam & MK_LBUTTON) ? 1 : 0) | ((wParam & MK_RBUTTON) ? 2 : 0) |
                            ((wParam & MK_MBUTTON) ? 4 : 0);
        const auto* list = reinterpret_cast<const Win32ListBox*>(data);
        // Left in the list's own pixels: they only go back to it, in LB_ITEMFROMPOINT.
        KeepingExceptions([&] {
            list->host_.Events().OnMouseMove(list->Name(), buttons, GET_X_LPARAM(lParam),
                                             GET_Y_LPARAM(lParam));
        });
    }
    return result;
}

} // namespace kesto::platform::win32
