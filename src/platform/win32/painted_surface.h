// The controls a form paints itself (labels, pictures, group frames): their stacking order,
// their painting, which one the mouse is over, and the one the left button holds pressed.
#pragma once

#include "platform/win32/form_controls.h"

#include <vector>

namespace kesto::platform::win32 {

// Owned by its form, which hands it the form's mouse and paint messages. Places are in device
// pixels of the form's client area. The host and the controls it is given outlive it.
class PaintedSurface {
  public:
    PaintedSurface(ControlHost& host, const FormControls& controls)
        : host_(host), controls_(controls) {}

    // Once every control is made: the control made first lies on top, except that a group frame
    // lies below everything placed inside it.
    void Stack();

    // WM_PAINT of the form.
    void Paint();
    // WM_PRINTCLIENT: the whole client area into `dc`, whose state is left as it came.
    void PrintClient(HDC dc);
    // Paints part of window, the form or the window of a painted control, as the painted
    // controls show there; the child windows above it are left alone.
    void PaintBeneath(HWND window, HDC dc, const RECT& part);
    // Has area painted again, in the form and in the windows of painted controls.
    void Invalidate(const RECT& area);
    // Where the child windows lie, which the windows of painted controls leave uncovered.
    std::vector<RECT> ChildWindowAreas() const;

    // The mouse messages of the form's client area: a press and release of the left button on
    // the same painted control is its click. Each calls the form's events last.
    void OnButtonDown(POINT point, int button);
    void OnLeftButtonUp(POINT point);
    void OnCaptureChanged() { pressed_ = nullptr; }

  private:
    void PaintControls(HDC dc, const RECT& area);
    PaintedControl* ControlAt(POINT point) const;

    ControlHost& host_;
    const FormControls& controls_;
    // Topmost first.
    std::vector<PaintedControl*> stacking_;
    PaintedControl* pressed_ = nullptr;
};

} // namespace kesto::platform::win32
