// The list of live forms and the lookups made on it.
#include "platform/win32/form_registry.h"

#include <algorithm>
#include <vector>

namespace kesto::platform::win32 {

namespace {

struct LiveForm {
    Win32Form* form;
    HWND window;
};

// Least recently shown first; forms never shown lead.
std::vector<LiveForm>& Forms() {
    static std::vector<LiveForm> forms;
    return forms;
}

} // namespace

void RegisterForm(Win32Form& form, HWND window) {
    Forms().insert(Forms().begin(), {&form, window});
}

void UnregisterForm(Win32Form& form) {
    std::erase_if(Forms(), [&form](const LiveForm& live) { return live.form == &form; });
}

Win32Form* FormHolding(HWND window) {
    const HWND root = GetAncestor(window, GA_ROOT);
    const auto found = std::find_if(Forms().begin(), Forms().end(),
                                    [root](const LiveForm& live) { return live.window == root; });
    return found == Forms().end() ? nullptr : found->form;
}

void NoteFormShown(Win32Form& form) {
    auto& forms = Forms();
    const auto found = std::find_if(forms.begin(), forms.end(),
                                    [&form](const LiveForm& live) { return live.form == &form; });
    if (found != forms.end()) {
        std::rotate(found, found + 1, forms.end());
    }
}

HWND LastShownVisibleForm() {
    const auto& forms = Forms();
    const auto found = std::find_if(forms.rbegin(), forms.rend(), [](const LiveForm& live) {
        return IsWindowVisible(live.window) != FALSE;
    });
    return found == forms.rend() ? nullptr : found->window;
}

} // namespace kesto::platform::win32
