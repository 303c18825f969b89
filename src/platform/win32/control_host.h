// What a control needs from the window it lies on, and no more: the form is one, and no control
// knows the form.
#pragma once

#include "platform/toolkit.h"
#include "platform/win32/win32_api.h"

#include <vector>

namespace kesto::platform::win32 {

class Fonts;
class ToolTip;

class ControlHost {
  public:
    // The window the controls' own windows are children of.
    virtual HWND Window() const = 0;
    virtual UINT Dpi() const = 0;
    virtual const Fonts& GetFonts() const = 0;
    // Kept by the window; null when the system has none to give.
    virtual HBRUSH Brush(COLORREF color) = 0;
    // The window's face, under painted controls that have no colour of their own.
    virtual COLORREF Color() const = 0;
    virtual ToolTip& Tips() = 0;
    // Where the controls' clicks, presses and moves go.
    virtual FormEvents& Events() = 0;

    // For the controls the window paints itself; places in device pixels of its client area.
    virtual void InvalidatePainted(const RECT& area) = 0;
    // Paints part of window, the host's own or a painted control's, as the painted controls
    // show there.
    virtual void PaintBeneath(HWND window, HDC dc, const RECT& part) = 0;
    // Where the child windows lie, which the window of a painted control leaves uncovered.
    virtual std::vector<RECT> ChildWindowAreas() const = 0;
    // A painted control cannot hold the focus: the window itself takes it.
    virtual void FocusItself() = 0;

  protected:
    ~ControlHost() = default;
};

} // namespace kesto::platform::win32
