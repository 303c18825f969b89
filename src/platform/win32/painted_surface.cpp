// PaintedSurface: stacking, painting, hit-testing and pressing of a form's painted controls.
#include "platform/win32/painted_surface.h"

#include "platform/win32/form.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/painted_control.h"

#include <algorithm>

namespace kesto::platform::win32 {

PaintedSurface::PaintedSurface(Win32Form& form,
                               const std::vector<std::unique_ptr<ControlBase>>& controls)
    : form_(form), controls_(controls) {}

void PaintedSurface::Stack() {
    for (const auto& control : controls_) {
        if (IsPaintedKind(control->Kind())) {
            stacking_.push_back(static_cast<PaintedControl*>(control.get()));
        }
    }
    for (const auto& control : controls_) {
        if (control->Kind() != ControlKind::GroupFrame) {
            continue;
        }
        const auto frame = std::find(stacking_.begin(), stacking_.end(), control.get());
        const auto lastInside =
            std::find_if(stacking_.rbegin(), stacking_.rend(), [&](const PaintedControl* other) {
                return Inside(*other, control->Name());
            });
        if (lastInside != stacking_.rend() && lastInside.base() - 1 > frame) {
            std::rotate(frame, frame + 1, lastInside.base());
        }
    }
}

bool PaintedSurface::Inside(const ControlBase& control, const std::string& frame) const {
    std::string parent = control.ParentName();
    while (!parent.empty() && parent != frame) {
        const auto next =
            std::find_if(controls_.begin(), controls_.end(),
                         [&parent](const auto& other) { return other->Name() == parent; });
        parent = next == controls_.end() ? std::string() : (*next)->ParentName();
    }
    return !parent.empty();
}

void PaintedSurface::Paint() {
    const PaintScope paint(form_.Window());
    PaintBeneath(form_.Window(), paint.Dc(), paint.Part());
}

// The painted controls leave fonts, colours and modes of their own in the context.
void PaintedSurface::PrintClient(HDC dc) {
    const SavedDcState saved(dc);
    RECT client;
    GetClientRect(form_.Window(), &client);
    PaintControls(dc, client);
}

// Double-buffered: the painted controls overlap, and drawing them one by one on the screen
// would flicker.
void PaintedSurface::PaintBeneath(HWND window, HDC dc, const RECT& part) {
    POINT origin{0, 0};
    MapWindowPoints(window, form_.Window(), &origin, 1);
    RECT area = part;
    OffsetRect(&area, origin.x, origin.y);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    const SavedDcState saved(dc);
    if (window != form_.Window()) {
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
    FillRect(dc, &area, form_.Brush(form_.Color()));
    for (auto control = stacking_.rbegin(); control != stacking_.rend(); ++control) {
        const RECT place = (*control)->Area();
        RECT overlap;
        if ((*control)->Visible() && IntersectRect(&overlap, &place, &area)) {
            (*control)->Paint(dc);
        }
    }
}

void PaintedSurface::Invalidate(const RECT& area) {
    InvalidateRect(form_.Window(), &area, FALSE);
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

std::vector<RECT> PaintedSurface::ChildWindowAreas() const {
    std::vector<RECT> areas;
    for (const auto& control : controls_) {
        if (!IsPaintedKind(control->Kind())) {
            areas.push_back(control->Area());
        }
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
        SetCapture(form_.Window());
        pressed_ = control;
    }
    const std::string name = control->Name();
    form_.Events().OnMouseDown(name, button);
}

void PaintedSurface::OnLeftButtonUp(POINT point) {
    const PaintedControl* pressed = pressed_;
    pressed_ = nullptr;
    if (GetCapture() == form_.Window()) {
        ReleaseCapture();
    }
    if (pressed == nullptr || ControlAt(point) != pressed) {
        return;
    }
    const std::string name = pressed->Name();
    form_.Events().OnClick(name);
}

} // namespace kesto::platform::win32
