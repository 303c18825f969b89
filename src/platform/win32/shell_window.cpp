#include "platform/win32/shell_window.h"

#include "platform/win32/form.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/wide_text.h"

#include <optional>

namespace kesto::platform::win32 {

namespace {

struct ShellKind {
    const wchar_t* className;
    DWORD style;
};

std::optional<ShellKind> ShellKindOf(const ControlLayout& entry) {
    switch (entry.kind) {
    case ControlKind::Label:
        return ShellKind{WC_STATICW, SS_LEFT | SS_NOPREFIX};
    case ControlKind::GroupFrame:
        return ShellKind{WC_BUTTONW, BS_GROUPBOX};
    case ControlKind::Picture:
        if (entry.text.empty()) {
            return std::nullopt;
        }
        return ShellKind{WC_BUTTONW, BS_OWNERDRAW};
    default:
        return std::nullopt;
    }
}

// Every way the controls would paint themselves leads to the form's painting instead.
LRESULT CALLBACK ShellProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR id, DWORD_PTR data) {
    auto& form = *reinterpret_cast<Win32Form*>(data);
    switch (message) {
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, ShellProcedure, id);
        break;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        form.PaintBeneath(window, dc, paint.rcPaint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(window, &client);
        form.PaintBeneath(window, reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    // The controls draw at once on these, without waiting for WM_PAINT.
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_UPDATEUISTATE: {
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, FALSE);
        return result;
    }
    // A title button pressed through its accessibility action must not keep the focus: it is
    // outside the tab order.
    case WM_SETFOCUS: {
        const auto previous = reinterpret_cast<HWND>(wParam);
        ::SetFocus(previous != nullptr && IsChild(form.Window(), previous) ? previous
                                                                           : form.Window());
        return 0;
    }
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

HWND CreateShellWindow(Win32Form& form, const ControlLayout& entry, int id) {
    const std::optional<ShellKind> kind = ShellKindOf(entry);
    if (!kind) {
        return nullptr;
    }
    const DWORD style = kind->style | WS_CHILD | (entry.visible ? WS_VISIBLE : 0);
    const HWND shell = CreateWindowExW(
        0, kind->className, Widen(entry.text).c_str(), style, 0, 0, 0, 0, form.Window(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(shell, WM_SETFONT, reinterpret_cast<WPARAM>(form.GetFonts().Message()), FALSE);
    SetWindowSubclass(shell, ShellProcedure, 0, reinterpret_cast<DWORD_PTR>(&form));
    return shell;
}

void PlaceShellWindow(HWND shell, const RECT& area, const std::vector<RECT>& childAreas) {
    MoveWindow(shell, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
    HRGN shape = nullptr;
    for (const RECT& child : childAreas) {
        RECT overlap;
        if (!IntersectRect(&overlap, &area, &child)) {
            continue;
        }
        if (shape == nullptr) {
            shape = CreateRectRgn(0, 0, area.right - area.left, area.bottom - area.top);
        }
        const HRGN hole = CreateRectRgn(overlap.left - area.left, overlap.top - area.top,
                                        overlap.right - area.left, overlap.bottom - area.top);
        CombineRgn(shape, shape, hole, RGN_DIFF);
        DeleteObject(hole);
    }
    SetWindowShape(shell, Region(shape), TRUE);
}

} // namespace kesto::platform::win32
