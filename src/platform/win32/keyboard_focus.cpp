// KeyboardFocus: tab order, the keys a control takes, F1 and the focus kept while inactive.
#include "platform/win32/keyboard_focus.h"

#include "platform/win32/child_control.h"

#include <algorithm>

namespace kesto::platform::win32 {

namespace {

bool AnyModifierHeld() {
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

} // namespace

bool KeyboardFocus::HandleKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    // Held down, a key repeats; a command runs once per press.
    const bool repeated = (message.lParam & (LPARAM(1) << 30)) != 0;
    if (message.wParam == VK_F1) {
        if (AnyModifierHeld()) {
            return false;
        }
        if (!repeated) {
            events_.OnHelpRequest();
        }
        return true;
    }
    if (message.wParam == VK_TAB) {
        if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) {
            return false;
        }
        MoveFocus(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    ChildControl* focused = FocusedControl();
    if (focused == nullptr) {
        return false;
    }
    if (message.wParam == VK_RETURN) {
        return focused->OnEnter(repeated);
    }
    if (message.wParam == VK_LEFT || message.wParam == VK_UP) {
        return focused->OnArrow(true);
    }
    if (message.wParam == VK_RIGHT || message.wParam == VK_DOWN) {
        return focused->OnArrow(false);
    }
    return false;
}

ChildControl* KeyboardFocus::FocusedControl() const {
    const HWND focus = GetFocus();
    const auto& windowed = controls_.Windowed();
    const auto found = std::find_if(windowed.begin(), windowed.end(), [focus](const auto* control) {
        const HWND window = control->OwnWindow();
        return window == focus || IsChild(window, focus);
    });
    return found == windowed.end() ? nullptr : *found;
}

void KeyboardFocus::MoveFocus(bool backward) {
    const auto& tabOrder = controls_.TabOrder();
    const int count = static_cast<int>(tabOrder.size());
    const auto found = std::find(tabOrder.begin(), tabOrder.end(), FocusedControl());
    int current = static_cast<int>(found - tabOrder.begin());
    if (found == tabOrder.end()) {
        current = backward ? count : -1;
    }
    for (int step = 1; step <= count; ++step) {
        const int index = ((current + (backward ? -step : step)) % count + count) % count;
        const ChildControl* candidate = tabOrder[static_cast<std::size_t>(index)];
        if (candidate->TabStopsHere()) {
            ::SetFocus(candidate->OwnWindow());
            return;
        }
    }
}

void KeyboardFocus::FocusFirst() {
    const auto& tabOrder = controls_.TabOrder();
    const auto first =
        std::find_if(tabOrder.begin(), tabOrder.end(),
                     [](const ChildControl* control) { return control->TabStopsHere(); });
    ::SetFocus(first == tabOrder.end() ? form_ : (*first)->OwnWindow());
}

bool KeyboardFocus::RestoreFocus() {
    if (savedFocus_ == nullptr || !IsChild(form_, savedFocus_) || !TakesInput(savedFocus_)) {
        return false;
    }
    ::SetFocus(savedFocus_);
    return true;
}

void KeyboardFocus::RememberFocus() {
    const HWND focus = GetFocus();
    savedFocus_ = IsChild(form_, focus) ? focus : nullptr;
}

void KeyboardFocus::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        RememberFocus();
        return;
    }
    if (HIWORD(wParam) == 0 && !RestoreFocus()) {
        FocusFirst();
    }
}

void KeyboardFocus::FocusForm() {
    savedFocus_ = nullptr;
    ::SetFocus(form_);
}

} // namespace kesto::platform::win32
