// A window made of the system parts kesto.exe's main window is made of, and nothing of its own:
// common controls 6, COM, a popup window, and a child window of the same class, style, text,
// font and place for each control of the program's layout that has one (its controls, and the
// windows through which screen readers read its painted texts, frames and title buttons), each
// made where it stands; then put on top of the others by the call the program must make before
// it shows, in the same order; a tray icon once the window shows, as the program adds its own.
// What it costs under Wine is not the program's.
#include "ui/main_names.h"

#include <objbase.h>
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <optional>
#include <string>

namespace {

using kesto::platform::ControlKind;
using kesto::platform::ControlLayout;
using kesto::platform::FormLayout;

struct ChildKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle = 0;
};

constexpr DWORD kControlStyle = WS_CLIPSIBLINGS | WS_TABSTOP;

// As the program's backend makes them; a picture without a text has no window there.
std::optional<ChildKind> KindOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        return ChildKind{WC_STATICW, SS_LEFT | SS_NOPREFIX};
    case ControlKind::GroupFrame:
        return ChildKind{WC_BUTTONW, BS_GROUPBOX};
    case ControlKind::PictureButton:
        return ChildKind{WC_BUTTONW, BS_OWNERDRAW};
    case ControlKind::Picture:
        return std::nullopt;
    case ControlKind::OptionButton:
        return ChildKind{WC_BUTTONW, kControlStyle | BS_AUTORADIOBUTTON};
    case ControlKind::DropDownList:
        return ChildKind{WC_COMBOBOXW, kControlStyle | CBS_DROPDOWNLIST | WS_VSCROLL};
    case ControlKind::ListBox:
        return ChildKind{WC_LISTBOXW, kControlStyle | LBS_NOTIFY | WS_VSCROLL | WS_BORDER |
                                          LBS_NOINTEGRALHEIGHT};
    case ControlKind::TextBox:
        return ChildKind{WC_EDITW, kControlStyle | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::PushButton:
        return ChildKind{WC_BUTTONW, kControlStyle | BS_PUSHBUTTON};
    }
    return std::nullopt;
}

std::wstring Wide(const std::string& text) {
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(
                          CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

// The place in the client area: a control inside a group frame counts from the frame.
RECT PlaceOf(const FormLayout& form, const ControlLayout& control) {
    RECT place{control.place.left, control.place.top, control.place.left + control.place.width,
               control.place.top + control.place.height};
    for (const ControlLayout& frame : form.controls) {
        if (frame.name == control.parent) {
            const RECT origin = PlaceOf(form, frame);
            OffsetRect(&place, origin.left, origin.top);
        }
    }
    return place;
}

// The program's: the system's message font at 12 pixels.
HFONT MessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight = -12;
    metrics.lfMessageFont.lfWidth = 0;
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
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
    const FormLayout& form = kesto::ui::MainWindow::Layout();
    const HWND window =
        CreateWindowExW(WS_EX_APPWINDOW, L"BaselineWindow", L"baseline-window",
                        WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 100, 100,
                        form.clientWidth, form.clientHeight, nullptr, nullptr, instance, nullptr);
    const HFONT font = MessageFont();
    for (const ControlLayout& control : form.controls) {
        const std::optional<ChildKind> kind = KindOf(control.kind);
        if (!kind) {
            continue;
        }
        const RECT place = PlaceOf(form, control);
        const HWND child = CreateWindowExW(
            kind->exStyle, kind->className, Wide(control.text).c_str(),
            WS_CHILD | kind->style | (control.visible ? WS_VISIBLE : 0), place.left, place.top,
            place.right - place.left, place.bottom - place.top, window, nullptr, instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    // The program must put itself on top before it shows; under Wine that activates the hidden
    // window, a cost of the system's.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(window, show);
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uFlags = NIF_ICON;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    Shell_NotifyIconW(NIM_ADD, &icon);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
