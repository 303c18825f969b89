// The windows through which other programs read painted controls: made, placed, shaped.
#include "platform/win32/readable_window.h"

#include "platform/win32/child_control.h"
#include "platform/win32/fonts.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/kept_exceptions.h"
#include "platform/win32/wide_text.h"

#include <utility>

namespace kesto::platform::win32 {

namespace {

LRESULT OnReadableMessage(ControlHost& host, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam, UINT_PTR id);

LRESULT CALLBACK ReadableProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR id, DWORD_PTR data) {
    return KeepingExceptions(LRESULT{0}, [&] {
        return OnReadableMessage(*reinterpret_cast<ControlHost*>(data), window, message, wParam,
                                 lParam, id);
    });
}

// Every way the controls would paint themselves leads to the host's painting instead.
LRESULT OnReadableMessage(ControlHost& host, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam, UINT_PTR id) {
    switch (message) {
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, ReadableProcedure, id);
        break;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        const PaintScope paint(window);
        host.PaintBeneath(window, paint.Dc(), paint.Part());
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(window, &client);
        host.PaintBeneath(window, reinterpret_cast<HDC>(wParam), client);
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
        ::SetFocus(previous != nullptr && IsChild(host.Window(), previous) ? previous
                                                                           : host.Window());
        return 0;
    }
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

HWND CreateReadableWindow(ControlHost& host, const ReadableKind& kind, const ControlLayout& entry,
                          const RECT& area, int id) {
    const DWORD style = kind.style | WS_CHILD | (entry.visible ? WS_VISIBLE : 0);
    const HWND window = CreateWindowExW(
        0, kind.className, Widen(entry.text).c_str(), style, area.left, area.top,
        area.right - area.left, area.bottom - area.top, host.Window(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(host.GetFonts().Message()), FALSE);
    SetWindowSubclass(window, ReadableProcedure, 0, reinterpret_cast<DWORD_PTR>(&host));
    return window;
}

// A new shape costs round trips to the window server and messages, for every readable window at
// every start; most of them never need a hole.
void PlaceReadableWindow(HWND window, const RECT& area, const std::vector<RECT>& childAreas) {
    MoveChildWindow(window, area);
    Region shape;
    for (const RECT& child : childAreas) {
        RECT overlap;
        if (!IntersectRect(&overlap, &area, &child)) {
            continue;
        }
        if (!shape) {
            shape.reset(CreateRectRgn(0, 0, area.right - area.left, area.bottom - area.top));
        }
        const Region hole(CreateRectRgn(overlap.left - area.left, overlap.top - area.top,
                                        overlap.right - area.left, overlap.bottom - area.top));
        CombineRgn(shape.get(), shape.get(), hole.get(), RGN_DIFF);
    }
    // Hidden, it has nothing to redraw: showing it draws it whole.
    RECT shapeBox;
    if (shape || GetWindowRgnBox(window, &shapeBox) != ERROR) {
        SetWindowShape(window, std::move(shape), IsWindowVisible(window) != FALSE);
    }
}

} // namespace kesto::platform::win32
