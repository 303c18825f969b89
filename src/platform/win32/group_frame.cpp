// Group frames: their painting and the places of the controls inside them.
#include "platform/win32/group_frame.h"

#include "platform/win32/dpi.h"
#include "platform/win32/fonts.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/readable_window.h"
#include "platform/win32/wide_text.h"

namespace kesto::platform::win32 {

namespace {

// Caption of a frame: the etched line runs through its middle.
int CaptionHeight(HDC dc) {
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

} // namespace

Win32GroupFrame::Win32GroupFrame(const ControlCreation& creation)
    : PaintedControl(creation, &kReadableFrame) {}

void Win32GroupFrame::ApplyPlace() {
    PaintedControl::ApplyPlace();
    for (ControlBase* child : children_) {
        child->ApplyPlace();
    }
}

void Win32GroupFrame::Paint(HDC dc) const {
    const RECT area = Area();
    const COLORREF background = Background();
    FillRect(dc, &area, host_.Brush(background));
    const SelectedObject font(dc, host_.GetFonts().Message());
    const int captionHeight = CaptionHeight(dc);
    RECT edge = area;
    edge.top += captionHeight / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (!OwnText().empty()) {
        std::wstring text = Widen(OwnText());
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, background);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        const int indent = ToDevice(8, host_.Dpi());
        RECT caption{area.left + indent, area.top, area.right - indent, area.top + captionHeight};
        DrawTextW(dc, text.data(), static_cast<int>(text.size()), &caption,
                  DT_LEFT | DT_NOPREFIX | DT_SINGLELINE);
    }
}

} // namespace kesto::platform::win32
