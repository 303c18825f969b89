// The Windows headers as this backend uses them, and conversions between the portable handle
// and colour types and their Win32 counterparts.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

// The portable interfaces have methods named like these macros; the backend calls the W or A
// function it means explicitly.
#undef MessageBox
#undef SendMessage
#undef CreateProcess
#undef CreateDirectory
#undef GetFileAttributes
#undef GetDriveType
#undef GetShortPathName
#undef GetLongPathName
#undef GetPrivateProfileString
#undef WritePrivateProfileString
#undef RegCreateKey
#undef RegSetValueEx
#undef ShellExecute
#undef GetCommandLine

#include "platform/toolkit.h"

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
