// Lists asked with their own kind's messages; a change of selection notified as a user's would be.
#include "uidriver/controls.h"

#include "uidriver/error.h"
#include "uidriver/text.h"

#include <algorithm>

namespace kesto::uidriver {

namespace {

struct ListMessages {
    UINT count, textLength, text, currentSelection, setSelection;
    WORD selectionChanged;
};

constexpr ListMessages kListBox{LB_GETCOUNT,  LB_GETTEXTLEN, LB_GETTEXT,
                                LB_GETCURSEL, LB_SETCURSEL,  LBN_SELCHANGE};
constexpr ListMessages kComboBox{CB_GETCOUNT,  CB_GETLBTEXTLEN, CB_GETLBTEXT,
                                 CB_GETCURSEL, CB_SETCURSEL,    CBN_SELCHANGE};

bool SameName(const std::wstring& a, const wchar_t* b) {
    return CompareStringOrdinal(a.c_str(), -1, b, -1, TRUE) == CSTR_EQUAL;
}

const ListMessages& MessagesOf(const Window& list) {
    const std::wstring name = Widen(list.ClassName());
    if (SameName(name, L"ListBox")) {
        return kListBox;
    }
    if (SameName(name, L"ComboBox")) {
        return kComboBox;
    }
    throw DriverError("window of class " + list.ClassName() + " is no list");
}

// WM_COMMAND with a control's notification, posted to its parent.
void Notify(const Window& control, WORD code) {
    Window parent(GetParent(control.Handle()));
    parent.Post(WM_COMMAND, MAKEWPARAM(control.ControlId(), code),
                reinterpret_cast<LPARAM>(control.Handle()));
}

} // namespace

std::vector<std::string> ListItems(const Window& list) {
    const ListMessages& messages = MessagesOf(list);
    const auto count = list.Send(messages.count);
    std::vector<std::string> items;
    for (LRESULT i = 0; i < count; ++i) {
        const auto length = list.Send(messages.textLength, static_cast<WPARAM>(i));
        std::wstring item(static_cast<size_t>(length) + 1, L'\0');
        const auto copied =
            list.Send(messages.text, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
        items.push_back(Narrow(item));
    }
    return items;
}

int SelectedIndex(const Window& list) {
    const auto index = list.Send(MessagesOf(list).currentSelection);
    return index < 0 ? -1 : static_cast<int>(index);
}

void SelectItem(const Window& list, int index) {
    const ListMessages& messages = MessagesOf(list);
    list.Send(messages.setSelection, static_cast<WPARAM>(index));
    Notify(list, messages.selectionChanged);
}

void SelectItem(const Window& list, const std::string& text) {
    const std::vector<std::string> items = ListItems(list);
    const auto found = std::find(items.begin(), items.end(), text);
    if (found == items.end()) {
        throw DriverError("the list holds no item \"" + text + "\"");
    }
    SelectItem(list, static_cast<int>(found - items.begin()));
}

void TypeText(const Window& edit, const std::string& text) {
    const std::wstring wide = Widen(text);
    // The edit itself reports EN_CHANGE to its owner.
    edit.Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void ClickButton(const Window& button) {
    button.Post(BM_CLICK);
}

} // namespace kesto::uidriver
