// The list of live forms and the lookups made on it.
#include "platform/win32/form_registry.h"

#include "platform/win32/form.h"

#include <algorithm>
#include <vector>

namespace kesto::platform::win32 {

namespace {

// Least recently shown first; forms never shown lead.
std::vector<Win32Form*>& Forms() {
    static std::vector<Win32Form*> forms;
    return forms;
}

} // namespace

void RegisterForm(Win32Form& form) {
    Forms().insert(Forms().begin(), &form);
}

void UnregisterForm(Win32Form& form) {
    std::erase(Forms(), &form);
}

Win32Form* FormHolding(HWND window) {
    const HWND root = GetAncestor(window, GA_ROOT);
    const auto found = std::find_if(Forms().begin(), Forms().end(), [root](const Win32Form* form) {
        return form->Window() == root;
    });
    return found == Forms().end() ? nullptr : *found;
}

void NoteFormShown(Win32Form& form) {
    auto& forms = Forms();
    const auto found = std::find(forms.begin(), forms.end(), &form);
    if (found != forms.end()) {
        std::rotate(found, found + 1, forms.end());
    }
}

HWND LastShownVisibleForm() {
    const auto& forms = Forms();
    const auto found = std::find_if(forms.rbegin(), forms.rend(), [](const Win32Form* form) {
        return IsWindowVisible(form->Window()) != FALSE;
    });
    return found == forms.rend() ? nullptr : (*found)->Window();
}

} // namespace kesto::platform::win32
