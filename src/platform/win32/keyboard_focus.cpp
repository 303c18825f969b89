// KeyboardFocus: tab order, option groups, Enter, F1 and the focus kept while inactive.
#include "platform/win32/keyboard_focus.h"

#include "platform/win32/option_button.h"

#include <algorithm>
#include <utility>

namespace kesto::platform::win32 {

namespace {

// The window's own flag: the form may still be on its way to the screen when it is activated.
bool Usable(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0 && IsWindowEnabled(window);
}

bool AnyModifierHeld() {
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

} // namespace

KeyboardFocus::KeyboardFocus(HWND form, FormEvents& events, std::vector<std::string> tabOrder,
                             const std::vector<std::unique_ptr<ControlBase>>& controls)
    : form_(form), events_(events), tabOrder_(std::move(tabOrder)), controls_(controls) {}

bool KeyboardFocus::HandleKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    // Held down, the key repeats; a command runs once per press.
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
    if (message.wParam == VK_RETURN) {
        return PressFocusedButton(repeated);
    }
    if (message.wParam == VK_TAB) {
        if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) {
            return false;
        }
        MoveFocus(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    const bool backward = message.wParam == VK_LEFT || message.wParam == VK_UP;
    const bool forward = message.wParam == VK_RIGHT || message.wParam == VK_DOWN;
    const ControlBase* focused = FocusedControl();
    if ((!backward && !forward) || focused == nullptr ||
        focused->Kind() != ControlKind::OptionButton) {
        return false;
    }
    MoveWithinGroup(*focused, backward);
    return true;
}

// As in a dialog, but with no default button: Enter elsewhere is the focused control's own.
bool KeyboardFocus::PressFocusedButton(bool repeated) {
    const ControlBase* focused = FocusedControl();
    if (focused == nullptr || focused->Kind() != ControlKind::PushButton) {
        return false;
    }
    if (!repeated) {
        SendMessageW(focused->OwnWindow(), BM_CLICK, 0, 0);
    }
    return true;
}

bool KeyboardFocus::CanTakeFocus(const ControlBase& control) const {
    if (IsPaintedKind(control.Kind()) || !Usable(control.OwnWindow())) {
        return false;
    }
    if (control.Kind() != ControlKind::OptionButton || IsCheckedOption(control)) {
        return true;
    }
    // Tab enters an option group at its checked button.
    return std::none_of(controls_.begin(), controls_.end(), [&control](const auto& other) {
        return other->GroupName() == control.GroupName() && IsCheckedOption(*other);
    });
}

ControlBase* KeyboardFocus::FocusedControl() const {
    const HWND focus = GetFocus();
    for (const auto& control : controls_) {
        if (IsPaintedKind(control->Kind())) {
            continue;
        }
        const HWND window = control->OwnWindow();
        if (window == focus || IsChild(window, focus)) {
            return control.get();
        }
    }
    return nullptr;
}

void KeyboardFocus::MoveFocus(bool backward) {
    const int count = static_cast<int>(tabOrder_.size());
    const ControlBase* focused = FocusedControl();
    const auto found = focused == nullptr
                           ? tabOrder_.end()
                           : std::find(tabOrder_.begin(), tabOrder_.end(), focused->Name());
    int current = static_cast<int>(found - tabOrder_.begin());
    if (found == tabOrder_.end()) {
        current = backward ? count : -1;
    }
    for (int step = 1; step <= count; ++step) {
        const int index = ((current + (backward ? -step : step)) % count + count) % count;
        const ControlBase* candidate = Named(tabOrder_[static_cast<std::size_t>(index)]);
        if (candidate != nullptr && CanTakeFocus(*candidate)) {
            ::SetFocus(candidate->OwnWindow());
            return;
        }
    }
}

// Like a dialog: the arrow keys select the next option button of the group, which clicks it.
void KeyboardFocus::MoveWithinGroup(const ControlBase& option, bool backward) {
    std::vector<const ControlBase*> group;
    for (const auto& control : controls_) {
        if (control->Kind() == ControlKind::OptionButton &&
            control->GroupName() == option.GroupName()) {
            group.push_back(control.get());
        }
    }
    const int count = static_cast<int>(group.size());
    const int current =
        static_cast<int>(std::find(group.begin(), group.end(), &option) - group.begin());
    for (int step = 1; step < count; ++step) {
        const int index = ((current + (backward ? -step : step)) % count + count) % count;
        const HWND window = group[static_cast<std::size_t>(index)]->OwnWindow();
        if (Usable(window)) {
            SendMessageW(window, BM_CLICK, 0, 0);
            return;
        }
    }
}

void KeyboardFocus::FocusFirst() {
    for (const std::string& name : tabOrder_) {
        const ControlBase* control = Named(name);
        if (control != nullptr && CanTakeFocus(*control)) {
            ::SetFocus(control->OwnWindow());
            return;
        }
    }
    ::SetFocus(form_);
}

bool KeyboardFocus::RestoreFocus() {
    if (savedFocus_ == nullptr || !IsChild(form_, savedFocus_) || !Usable(savedFocus_)) {
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

ControlBase* KeyboardFocus::Named(const std::string& name) const {
    const auto found =
        std::find_if(controls_.begin(), controls_.end(),
                     [&name](const auto& control) { return control->Name() == name; });
    return found == controls_.end() ? nullptr : found->get();
}

} // namespace kesto::platform::win32
