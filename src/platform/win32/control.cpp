#include "platform/win32/control.h"

#include "platform/win32/form.h"
#include "platform/win32/wide_text.h"

#include <windowsx.h>

namespace kesto::platform::win32 {

namespace {

// Combo boxes and list boxes answer the same requests with different messages.
struct ListMessages {
    UINT reset, add, count, textLength, text, getSelection, setSelection;
};

constexpr ListMessages kComboMessages{CB_RESETCONTENT, CB_ADDSTRING, CB_GETCOUNT, CB_GETLBTEXTLEN,
                                      CB_GETLBTEXT,    CB_GETCURSEL, CB_SETCURSEL};
constexpr ListMessages kListBoxMessages{LB_RESETCONTENT, LB_ADDSTRING, LB_GETCOUNT, LB_GETTEXTLEN,
                                        LB_GETTEXT,      LB_GETCURSEL, LB_SETCURSEL};

// How many items a dropped-down list shows before it scrolls.
constexpr int kDroppedItems = 10;

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind WindowKindOf(const ControlLayout& entry, bool firstOfGroup) {
    switch (entry.kind) {
    case ControlKind::OptionButton:
        return {WC_BUTTONW, static_cast<DWORD>(BS_AUTORADIOBUTTON) | (firstOfGroup ? WS_GROUP : 0),
                0};
    case ControlKind::DropDownList:
        return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case ControlKind::ListBox:
        return {WC_LISTBOXW, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT, 0};
    case ControlKind::TextBox:
        return {WC_EDITW, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::PushButton:
    default:
        return {WC_BUTTONW, BS_PUSHBUTTON, 0};
    }
}

const ListMessages* ListMessagesOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::DropDownList:
        return &kComboMessages;
    case ControlKind::ListBox:
        return &kListBoxMessages;
    default:
        return nullptr;
    }
}

HWND CreateChildWindow(HWND parent, const ControlLayout& entry, int id, bool firstOfGroup) {
    const WindowKind kind = WindowKindOf(entry, firstOfGroup);
    const DWORD style =
        kind.style | WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | (entry.visible ? WS_VISIBLE : 0);
    return CreateWindowExW(kind.exStyle, kind.className, Widen(entry.text).c_str(), style, 0, 0, 0,
                           0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

} // namespace

ChildControl::ChildControl(Win32Form& form, const ControlLayout& entry, int index,
                           bool firstOfGroup)
    : ControlBase(form, entry, index),
      window_(CreateChildWindow(form.Window(), entry, Id(), firstOfGroup)) {
    ApplyFont();
    switch (entry.kind) {
    case ControlKind::OptionButton:
        SendMessageW(window_, BM_SETCHECK, entry.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case ControlKind::DropDownList:
        SendMessageW(window_, CB_SETMINVISIBLE, kDroppedItems, 0);
        break;
    case ControlKind::ListBox:
        SetWindowSubclass(window_, ListSubclass, 0, reinterpret_cast<DWORD_PTR>(this));
        break;
    default:
        break;
    }
}

void ChildControl::ApplyFont() {
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.GetFonts().Message()), FALSE);
}

void ChildControl::ApplyPlace() {
    const RECT area = Area();
    int height = area.bottom - area.top;
    if (Kind() == ControlKind::DropDownList) {
        // A combo box's window height includes its dropped-down list.
        const auto itemHeight = static_cast<int>(SendMessageW(window_, CB_GETITEMHEIGHT, 0, 0));
        height += kDroppedItems * itemHeight + 2;
    }
    MoveWindow(window_, area.left, area.top, area.right - area.left, height, TRUE);
    if (Kind() == ControlKind::DropDownList) {
        FitClosedComboHeight(area.bottom - area.top);
    }
}

// The closed height follows the font; the selection field is grown or shrunk to the height
// the layout asks for. What CB_SETITEMHEIGHT sets and CB_GETITEMHEIGHT reports may differ by a
// constant, which a second round makes up for.
void ChildControl::FitClosedComboHeight(int height) {
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

std::string ChildControl::Text() const {
    if (ListMessagesOf(Kind()) != nullptr) {
        const int selected = ListIndex();
        return selected < 0 ? std::string() : List(selected);
    }
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void ChildControl::SetText(const std::string& text) {
    SetWindowTextW(window_, Widen(text).c_str());
}

bool ChildControl::Visible() const {
    return (GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void ChildControl::SetVisible(bool visible) {
    ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void ChildControl::SetFocus() {
    ::SetFocus(window_);
}

void ChildControl::SetPlace(const Rect& place) {
    place_ = place;
    ApplyPlace();
}

void ChildControl::SetBackColor(Rgb color) {
    backColor_ = ToColorRef(color);
    InvalidateRect(window_, nullptr, TRUE);
}

bool ChildControl::Checked() const {
    return Kind() == ControlKind::OptionButton &&
           SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ChildControl::SetChecked(bool checked) {
    if (Kind() != ControlKind::OptionButton) {
        return;
    }
    if (checked) {
        form_.UncheckGroup(*this);
    }
    SendMessageW(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ChildControl::Clear() {
    if (const ListMessages* messages = ListMessagesOf(Kind())) {
        SendMessageW(window_, messages->reset, 0, 0);
    }
}

void ChildControl::AddItem(const std::string& item) {
    if (const ListMessages* messages = ListMessagesOf(Kind())) {
        const std::wstring text = Widen(item);
        SendMessageW(window_, messages->add, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

int ChildControl::ListCount() const {
    const ListMessages* messages = ListMessagesOf(Kind());
    return messages == nullptr ? 0 : static_cast<int>(SendMessageW(window_, messages->count, 0, 0));
}

std::string ChildControl::List(int index) const {
    const ListMessages* messages = ListMessagesOf(Kind());
    if (messages == nullptr) {
        return {};
    }
    const auto length = SendMessageW(window_, messages->textLength, index, 0);
    if (length < 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(window_, messages->text, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
    return Narrow(text);
}

int ChildControl::ListIndex() const {
    const ListMessages* messages = ListMessagesOf(Kind());
    return messages == nullptr
               ? -1
               : static_cast<int>(SendMessageW(window_, messages->getSelection, 0, 0));
}

void ChildControl::SetListIndex(int index) {
    if (const ListMessages* messages = ListMessagesOf(Kind())) {
        SendMessageW(window_, messages->setSelection, index, 0);
    }
}

void ChildControl::SetToolTipText(const std::string& text) {
    form_.Tips().SetForWindow(window_, Widen(text));
}

LRESULT CALLBACK ChildControl::ListSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR data) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, ListSubclass, id);
    }
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_MOUSEMOVE) {
        const int buttons = ((wParam & MK_LBUTTON) ? 1 : 0) | ((wParam & MK_RBUTTON) ? 2 : 0) |
                            ((wParam & MK_MBUTTON) ? 4 : 0);
        const auto* control = reinterpret_cast<const ChildControl*>(data);
        // Left in the list's own pixels: they only go back to it, in LB_ITEMFROMPOINT.
        control->form_.Events().OnMouseMove(control->Name(), buttons, GET_X_LPARAM(lParam),
                                            GET_Y_LPARAM(lParam));
    }
    return result;
}

} // namespace kesto::platform::win32
