// What every child-window control does alike, and the push buttons' Enter.
#include "platform/win32/child_control.h"

#include "platform/win32/fonts.h"
#include "platform/win32/tooltip.h"
#include "platform/win32/wide_text.h"

namespace kesto::platform::win32 {

namespace {

// Made where it stands, so that placing it at the start finds nothing to move.
HWND CreateChildWindow(const ControlCreation& creation, const ChildWindowKind& kind,
                       const RECT& area, int id) {
    const DWORD style = kind.style | WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP |
                        (creation.entry.visible ? WS_VISIBLE : 0);
    return CreateWindowExW(
        kind.exStyle, kind.className, Widen(creation.entry.text).c_str(), style, area.left,
        area.top, area.right - area.left, area.bottom - area.top, creation.host.Window(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

RECT PlaceInParent(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

} // namespace

// A move costs round trips to the window server and messages, for every child window at every
// start; at the start none of them has anywhere to go.
void MoveChildWindow(HWND window, const RECT& area) {
    const RECT current = PlaceInParent(window);
    if (!EqualRect(&current, &area)) {
        MoveWindow(window, area.left, area.top, area.right - area.left, area.bottom - area.top,
                   TRUE);
    }
}

bool TakesInput(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0 && IsWindowEnabled(window);
}

ChildControl::ChildControl(const ControlCreation& creation, const ChildWindowKind& kind)
    : ControlBase(creation), window_(CreateChildWindow(creation, kind, Area(), Id())) {
    ApplyFont();
}

void ChildControl::ApplyFont() {
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(host_.GetFonts().Message()), FALSE);
}

void ChildControl::ApplyPlace() {
    MoveChildWindow(window_, Area());
}

std::string ChildControl::Text() const {
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

void ChildControl::SetToolTipText(const std::string& text) {
    host_.Tips().SetForWindow(window_, Widen(text));
}

bool Win32PushButton::OnEnter(bool repeated) {
    if (!repeated) {
        SendMessageW(window_, BM_CLICK, 0, 0);
    }
    return true;
}

} // namespace kesto::platform::win32
