// A window made of the system parts kesto.exe uses and nothing of its own: common controls 6,
// COM, a tray icon, a list and Chinese text. What it costs under Wine is not the program's.
#include <objbase.h>
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND Child(const wchar_t* className, const wchar_t* text, DWORD style, int top, HWND parent) {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, 10, top, 300, 25,
                           parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BaselineWindow";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, L"BaselineWindow", L"baseline-window", WS_POPUP, 100,
                                        100, 356, 408, nullptr, nullptr, instance, nullptr);
    const HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH, L"Tahoma");
    const HWND children[] = {
        Child(WC_BUTTONW, L"\x65b0\x5efa\x5206\x533a", BS_PUSHBUTTON, 10, window),
        Child(WC_COMBOBOXW, nullptr, CBS_DROPDOWNLIST, 40, window),
        Child(WC_LISTBOXW, nullptr, WS_BORDER, 70, window),
    };
    for (HWND child : children) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uFlags = NIF_ICON;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    Shell_NotifyIconW(NIM_ADD, &icon);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
