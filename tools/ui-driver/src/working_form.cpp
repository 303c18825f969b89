// The progress window's controls, and its labels checked pixel for pixel on the face colour.
#include "uidriver/working_form.h"

#include "layout_table.h"
#include "painting.h"
#include "ui/working_names.h"

namespace kesto::uidriver {

Window WorkingForm::Control(const std::string& name) const {
    return Window(layout::ChildWindow(window_.Handle(), ui::WorkingWindow::Layout(), name));
}

bool WorkingForm::Shows(const std::string& label, const std::string& text) const {
    const Rect client = window_.ClientRectOnScreen();
    Rect area = layout::TablePlace(ui::WorkingWindow::Layout(), label);
    area.left += client.left;
    area.top += client.top;
    // The window is not skinned: its labels lie on the system's face colour.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const Rgb background{GetRValue(face), GetGValue(face), GetBValue(face)};
    return SamePixels(CaptureArea(area), PaintLabel(text, area.width, area.height, background));
}

} // namespace kesto::uidriver
