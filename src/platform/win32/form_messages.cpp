// Win32Form's window procedure: each message handed to the surface, the keyboard or the events.
#include "platform/win32/form.h"

#include "platform/win32/child_control.h"
#include "platform/win32/kept_exceptions.h"

#include <windowsx.h>

#include <algorithm>

namespace kesto::platform::win32 {

namespace {

POINT PointOf(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// The one of controls with that number and window, or null.
template <class Control>
Control* WithIdAndWindow(const std::vector<Control*>& controls, int id, HWND window) {
    const auto found = std::find_if(controls.begin(), controls.end(), [&](const Control* control) {
        return control->Id() == id && control->OwnWindow() == window;
    });
    return found == controls.end() ? nullptr : *found;
}

} // namespace

LRESULT CALLBACK Win32Form::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return KeepingExceptions(LRESULT{0}, [&] { return form->OnMessage(message, wParam, lParam); });
}

// Handlers call the owner's events last: the owner may destroy the form from inside them.
LRESULT Win32Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        surface_.Paint();
        return 0;
    case WM_PRINTCLIENT:
        surface_.PrintClient(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return OnControlColor(message, reinterpret_cast<HDC>(wParam),
                              reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_BUTTON || controls_.WithWindow(item.hwndItem) == nullptr) {
            return DefWindowProcW(Window(), message, wParam, lParam);
        }
        surface_.PaintBeneath(item.hwndItem, item.hDC, item.rcItem);
        return TRUE;
    }
    case WM_LBUTTONDOWN:
        surface_.OnButtonDown(PointOf(lParam), 1);
        return 0;
    case WM_RBUTTONDOWN:
        surface_.OnButtonDown(PointOf(lParam), 2);
        return 0;
    case WM_MBUTTONDOWN:
        surface_.OnButtonDown(PointOf(lParam), 4);
        return 0;
    case WM_LBUTTONUP:
        surface_.OnLeftButtonUp(PointOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        surface_.OnCaptureChanged();
        return 0;
    case WM_ACTIVATE:
        keyboard_.OnActivate(wParam);
        if (LOWORD(wParam) != WA_INACTIVE) {
            events_.OnActivate();
        }
        return 0;
    case WM_SETFOCUS:
        keyboard_.OnSetFocus();
        return 0;
    case WM_CLOSE:
        events_.OnCloseRequest();
        return 0;
    case WM_SYSCOMMAND:
        // Alt alone would put the system menu in keyboard mode, which a window without a caption
        // never shows: the next key would vanish into it. Alt+Space still opens the menu.
        if ((wParam & 0xFFF0) == SC_KEYMENU && lParam == 0) {
            return 0;
        }
        return DefWindowProcW(Window(), message, wParam, lParam);
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        return DefWindowProcW(Window(), message, wParam, lParam);
    }
}

LRESULT Win32Form::OnControlColor(UINT message, HDC dc, HWND window) {
    const ChildControl* control =
        WithIdAndWindow(controls_.Windowed(), GetDlgCtrlID(window), window);
    const HBRUSH brush =
        control != nullptr && control->BackColor() ? Brush(*control->BackColor()) : nullptr;
    if (brush == nullptr) {
        return DefWindowProcW(Window(), message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(window));
    }
    // The device context may come with another control's text colour.
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, *control->BackColor());
    return reinterpret_cast<LRESULT>(brush);
}

void Win32Form::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED) {
        return;
    }
    // The title pictures' windows are buttons, pressed through their accessibility action.
    const ControlBase* control =
        WithIdAndWindow(controls_.Clickable(), LOWORD(wParam), reinterpret_cast<HWND>(lParam));
    if (control != nullptr) {
        const std::string name = control->Name();
        events_.OnClick(name);
    }
}

} // namespace kesto::platform::win32
