// The layout speaks pixels at 96 dots per inch; a window on a denser screen has more of its
// own. These turn the first into the second and back.
#pragma once

#include "platform/win32/win32_api.h"

namespace kesto::platform::win32 {

constexpr UINT kLayoutDpi = 96;

// The window's dots per inch where the system tells them per window (Windows 10 1607 on), the
// system's otherwise or for no window.
UINT DpiOf(HWND window);

// Outer rectangle of a window whose client area is `client`, with the frame at that density.
RECT OuterRectFor(const RECT& client, DWORD style, DWORD exStyle, UINT dpi);

inline int ToDevice(int layout, UINT dpi) {
    return MulDiv(layout, static_cast<int>(dpi), static_cast<int>(kLayoutDpi));
}

inline int ToLayout(int device, UINT dpi) {
    return MulDiv(device, static_cast<int>(kLayoutDpi), static_cast<int>(dpi));
}

// Each edge on its own, so that rectangles meeting in the layout still meet.
inline RECT ToDevice(const RECT& layout, UINT dpi) {
    return {ToDevice(layout.left, dpi), ToDevice(layout.top, dpi), ToDevice(layout.right, dpi),
            ToDevice(layout.bottom, dpi)};
}

} // namespace kesto::platform::win32
