// What a form paints, into itself and into the windows of its painted controls.
#include "platform/win32/form.h"

namespace kesto::platform::win32 {

// Double-buffered: the painted controls overlap, and drawing them one by one on the screen
// would flicker.
void Win32Form::PaintBeneath(HWND window, HDC dc, const RECT& part) {
    POINT origin{0, 0};
    MapWindowPoints(window, window_, &origin, 1);
    RECT area = part;
    OffsetRect(&area, origin.x, origin.y);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    const int saved = SaveDC(dc);
    if (window != window_) {
        // Wine paints a child window's whole rectangle, whatever its region: the window of a
        // painted control must leave the child windows over it alone itself.
        for (const auto& control : controls_) {
            const HWND child = control->OwnWindow();
            if (!IsPaintedKind(control->Kind()) && IsWindowVisible(child)) {
                RECT place = control->Area();
                OffsetRect(&place, -origin.x, -origin.y);
                ExcludeClipRect(dc, place.left, place.top, place.right, place.bottom);
            }
        }
    }
    const HDC buffer = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    const HGDIOBJ oldBitmap = SelectObject(buffer, bitmap);
    SetViewportOrgEx(buffer, -area.left, -area.top, nullptr);
    PaintControls(buffer, area);
    BitBlt(dc, part.left, part.top, width, height, buffer, area.left, area.top, SRCCOPY);
    RestoreDC(dc, saved);
    SelectObject(buffer, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(buffer);
}

void Win32Form::InvalidatePainted(const RECT& area) {
    InvalidateRect(window_, &area, FALSE);
    for (const auto& control : controls_) {
        const HWND shell = control->OwnWindow();
        const RECT place = control->Area();
        RECT overlap;
        if (IsPaintedKind(control->Kind()) && shell != nullptr &&
            IntersectRect(&overlap, &area, &place)) {
            OffsetRect(&overlap, -place.left, -place.top);
            InvalidateRect(shell, &overlap, FALSE);
        }
    }
}

std::vector<RECT> Win32Form::ChildWindowAreas() const {
    std::vector<RECT> areas;
    for (const auto& control : controls_) {
        if (!IsPaintedKind(control->Kind())) {
            areas.push_back(control->Area());
        }
    }
    return areas;
}

} // namespace kesto::platform::win32
