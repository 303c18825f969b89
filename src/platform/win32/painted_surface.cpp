// PaintedSurface: stacking, painting, hit-testing and pressing of a form's painted controls.
#include "platform/win32/painted_surface.h"

#include "platform/win32/child_control.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/group_frame.h"
#include "platform/win32/painted_control.h"

#include <algorithm>

namespace kesto::platform::win32 {

namespace {

bool Inside(const ControlBase& control, const ControlBase& frame) {
    const ControlBase* parent = control.Parent();
    while (parent != nullptr && parent != &frame) {
        parent = parent->Parent();
    }
    return parent != nullptr;
}

} // namespace

void PaintedSurface::Stack() {
    stacking_ = controls_.Painted();
    for (const Win32GroupFrame* group : controls_.Frames()) {
        const auto frame = std::find(stacking_.begin(), stacking_.end(), group);
        const auto lastInside =
            std::find_if(stacking_.rbegin(), stacking_.rend(),
                         [group](const PaintedControl* other) { return Inside(*other, *group); });
        if (lastInside != stacking_.rend() && lastInside.base() - 1 > frame) {
            std::rotate(frame, frame + 1, lastInside.base());
        }
    }
}

void PaintedSurface::Paint() {
    const PaintScope paint(host_.Window());
    PaintBeneath(host_.Window(), paint.Dc(), paint.Part());
}

// The painted controls leave fonts, colours and modes of their own in the context.
void PaintedSurface::PrintClient(HDC dc) {
    const SavedDcState saved(dc);
    RECT client;
    GetClientRect(host_.Window(), &client);
    PaintControls(dc, client);
}

// Double-buffered: the painted controls overlap, and drawing them one by one on the screen
// would flicker.
void PaintedSurface::PaintBeneath(HWND window, HDC dc, const RECT& part) {
    POINT origin{0, 0};
    MapWindowPoints(window, host_.Window(), &origin, 1);
    RECT area = part;
    OffsetRect(&area, origin.x, origin.y);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    const SavedDcState saved(dc);
    if (window != host_.Window()) {
        // Wine paints a child window's whole rectangle, whatever its region: the window of a
        // painted control must leave the child windows over it alone itself.
        for (const ChildControl* control : controls_.Windowed()) {
            const HWND child = control->OwnWindow();
            if (IsWindowVisible(child)) {
                RECT place = control->Area();
                OffsetRect(&place, -origin.x, -origin.y);
                ExcludeClipRect(dc, place.left, place.top, place.right, place.bottom);
            }
        }
    }
    const ScopedDc buffer = MemoryDcLike(dc);
    const OwnedBitmap bitmap(CreateCompatibleBitmap(dc, width, height));
    if (!buffer || !bitmap) {
        // Without a buffer the controls are painted straight on: flicker, not garbage.
        OffsetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
        PaintControls(dc, area);
        return;
    }
    const SavedDcState bufferState(buffer.get());
    const SelectedObject drawingOn(buffer.get(), bitmap.get());
    SetViewportOrgEx(buffer.get(), -area.left, -area.top, nullptr);
    PaintControls(buffer.get(), area);
    BitBlt(dc, part.left, part.top, width, height, buffer.get(), area.left, area.top, SRCCOPY);
}

void PaintedSurface::PaintControls(HDC dc, const RECT& area) {
    FillRect(dc, &area, host_.Brush(host_.Color()));
    for (auto control = stacking_.rbegin(); control != stacking_.rend(); ++control) {
        const RECT place = (*control)->Area();
        RECT overlap;
        if ((*control)->Visible() && IntersectRect(&overlap, &place, &area)) {
            (*control)->Paint(dc);
        }
    }
}

void PaintedSurface::Invalidate(const RECT& area) {
    // Showing a form paints it whole; until then there is nothing on the screen to bring up to
    // date, and each call is a round trip to the window server.
    if (!IsWindowVisible(host_.Window())) {
        return;
    }
    InvalidateRect(host_.Window(), &area, FALSE);
    for (const PaintedControl* control : controls_.Painted()) {
        const HWND shell = control->OwnWindow();
        const RECT place = control->Area();
        RECT overlap;
        if (shell != nullptr && IntersectRect(&overlap, &area, &place)) {
            OffsetRect(&overlap, -place.left, -place.top);
            InvalidateRect(shell, &overlap, FALSE);
        }
    }
}

std::vector<RECT> PaintedSurface::ChildWindowAreas() const {
    std::vector<RECT> areas;
    for (const ChildControl* control : controls_.Windowed()) {
        areas.push_back(control->Area());
    }
    return areas;
}

PaintedControl* PaintedSurface::ControlAt(POINT point) const {
    const auto found =
        std::find_if(stacking_.begin(), stacking_.end(),
                     [point](const PaintedControl* control) { return control->Hit(point); });
    return found == stacking_.end() ? nullptr : *found;
}

void PaintedSurface::OnButtonDown(POINT point, int button) {
    PaintedControl* control = ControlAt(point);
    if (control == nullptr) {
        return;
    }
    if (button == 1) {
        // Captured, so that a release outside the control is seen and makes no click.
        SetCapture(host_.Window());
        pressed_ = control;
    }
    const std::string name = control->Name();
    host_.Events().OnMouseDown(name, button);
}

void PaintedSurface::OnLeftButtonUp(POINT point) {
    const PaintedControl* pressed = pressed_;
    pressed_ = nullptr;
    if (GetCapture() == host_.Window()) {
        ReleaseCapture();
    }
    if (pressed == nullptr || ControlAt(point) != pressed) {
        return;
    }
    const std::string name = pressed->Name();
    host_.Events().OnClick(name);
}

} // namespace kesto::platform::win32
