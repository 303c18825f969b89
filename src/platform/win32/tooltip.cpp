// The form's tooltip window and its tips.
#include "platform/win32/tooltip.h"

namespace kesto::platform::win32 {

void ToolTip::SetForWindow(HWND control, const std::wstring& text) {
    TOOLINFOW tool{};
    tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    Set(tool, text);
}

void ToolTip::SetForArea(UINT_PTR id, const RECT& area, const std::wstring& text) {
    TOOLINFOW tool{};
    tool.uFlags = TTF_SUBCLASS;
    tool.uId = id;
    tool.rect = area;
    Set(tool, text);
}

void ToolTip::MoveArea(UINT_PTR id, const RECT& area) {
    if (!tools_.contains(id)) {
        return;
    }
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = owner_;
    tool.uId = id;
    tool.rect = area;
    SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND ToolTip::Window() {
    if (tip_ == nullptr) {
        tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }
    return tip_;
}

void ToolTip::Set(TOOLINFOW& tool, const std::wstring& text) {
    tool.cbSize = sizeof tool;
    tool.hwnd = owner_;
    tool.hinst = GetModuleHandleW(nullptr);
    std::wstring copy = text;
    tool.lpszText = copy.data();
    const bool present = tools_.contains(tool.uId);
    if (text.empty()) {
        if (present) {
            SendMessageW(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
            tools_.erase(tool.uId);
        }
    } else if (present) {
        SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    } else if (SendMessageW(Window(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
        tools_.insert(tool.uId);
    }
}

} // namespace kesto::platform::win32
