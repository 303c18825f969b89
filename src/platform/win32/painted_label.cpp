// Painted labels: their text and how it is drawn.
#include "platform/win32/painted_label.h"

#include "platform/win32/fonts.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/readable_window.h"
#include "platform/win32/wide_text.h"

namespace kesto::platform::win32 {

Win32Label::Win32Label(const ControlCreation& creation)
    : PaintedControl(creation, &kReadableLabel), transparent_(creation.entry.transparent),
      titleFont_(creation.entry.titleFont) {}

void Win32Label::Paint(HDC dc) const {
    RECT area = Area();
    if (!transparent_) {
        FillRect(dc, &area, host_.Brush(Background()));
    }
    const Fonts& fonts = host_.GetFonts();
    const SelectedObject font(dc, titleFont_ ? fonts.Title() : fonts.Message());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, titleFont_ ? RGB(255, 255, 255) : GetSysColor(COLOR_BTNTEXT));
    std::wstring text = Widen(OwnText());
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

} // namespace kesto::platform::win32
