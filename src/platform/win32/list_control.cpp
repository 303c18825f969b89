// What list boxes and combo boxes share, each call with its kind's message.
#include "platform/win32/list_control.h"

#include "platform/win32/wide_text.h"

namespace kesto::platform::win32 {

std::string ListChildControl::Text() const {
    const int selected = ListIndex();
    return selected < 0 ? std::string() : List(selected);
}

void ListChildControl::Clear() {
    SendMessageW(window_, messages_.reset, 0, 0);
}

void ListChildControl::AddItem(const std::string& item) {
    const std::wstring text = Widen(item);
    SendMessageW(window_, messages_.add, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int ListChildControl::ListCount() const {
    return static_cast<int>(SendMessageW(window_, messages_.count, 0, 0));
}

std::string ListChildControl::List(int index) const {
    const auto length = SendMessageW(window_, messages_.textLength, index, 0);
    if (length < 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(window_, messages_.text, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
    return Narrow(text);
}

int ListChildControl::ListIndex() const {
    return static_cast<int>(SendMessageW(window_, messages_.getSelection, 0, 0));
}

void ListChildControl::SetListIndex(int index) {
    SendMessageW(window_, messages_.setSelection, index, 0);
}

} // namespace kesto::platform::win32
