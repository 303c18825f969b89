// Registration of the backend's window classes.
#include "platform/win32/window_class.h"

namespace kesto::platform::win32 {

namespace {

HICON LoadIconResource(int icon, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon),
                                         IMAGE_ICON, GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_SHARED));
}

} // namespace

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, int icon) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, name, &windowClass)) {
        return;
    }
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    if (icon != 0) {
        windowClass.hIcon = LoadIconResource(icon, SM_CXICON, SM_CYICON);
        windowClass.hIconSm = LoadIconResource(icon, SM_CXSMICON, SM_CYSMICON);
    }
    RegisterClassExW(&windowClass);
}

} // namespace kesto::platform::win32
