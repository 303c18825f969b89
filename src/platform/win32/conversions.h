// The portable handle, colour and place types and their Win32 counterparts.
#pragma once

#include "platform/layout.h"
#include "platform/os.h"
#include "platform/win32/win32_api.h"

namespace kesto::platform::win32 {

inline HWND ToHwnd(Handle handle) {
    return reinterpret_cast<HWND>(handle);
}

inline Handle ToHandle(const void* pointer) {
    return reinterpret_cast<Handle>(pointer);
}

inline COLORREF ToColorRef(Rgb color) {
    return RGB(color.r, color.g, color.b);
}

inline RECT ToRect(const Rect& place) {
    return {place.left, place.top, place.left + place.width, place.top + place.height};
}

} // namespace kesto::platform::win32
