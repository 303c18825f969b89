// Keys posted with the scan code and flags a real keyboard gives, or typed as input; the focus
// read off its thread.
#include "uidriver/keyboard.h"

#include "uidriver/error.h"

#include <vector>

namespace kesto::uidriver {

void PressKey(const Window& window, WORD key, bool alt) {
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    const LPARAM context = alt ? LPARAM(1) << 29 : 0;
    const LPARAM released = (LPARAM(1) << 30) | (LPARAM(1) << 31);
    window.Post(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1 | scanCode | context);
    window.Post(alt ? WM_SYSKEYUP : WM_KEYUP, key, 1 | scanCode | context | released);
}

void TypeKey(WORD key, bool shift) {
    std::vector<INPUT> inputs;
    const auto add = [&inputs](WORD virtualKey, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    if (shift) {
        add(VK_SHIFT, 0);
    }
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (shift) {
        add(VK_SHIFT, KEYEVENTF_KEYUP);
    }
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) !=
        inputs.size()) {
        ThrowLastError("SendInput");
    }
}

std::optional<Window> FocusedWindow(const Window& window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window.Handle(), nullptr), &info) ||
        info.hwndFocus == nullptr) {
        return std::nullopt;
    }
    return Window(info.hwndFocus);
}

} // namespace kesto::uidriver
