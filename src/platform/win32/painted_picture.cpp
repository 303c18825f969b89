// Painted pictures and picture buttons: their bitmap and how it is drawn.
#include "platform/win32/painted_picture.h"

#include "platform/win32/dpi.h"
#include "platform/win32/readable_window.h"

#include <algorithm>

namespace kesto::platform::win32 {

namespace {

// As a section, kept as the resource has it: a bitmap of the screen's own format would be
// converted for it at every start, for every picture.
OwnedBitmap LoadBitmapResource(int resource) {
    if (resource == 0) {
        return {};
    }
    return OwnedBitmap(
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

} // namespace

PaintedBitmap::PaintedBitmap(const ControlCreation& creation, const ReadableKind* readable)
    : PaintedControl(creation, readable), stretch_(creation.entry.stretch),
      bitmap_(LoadBitmapResource(creation.entry.bitmap)) {}

// A picture that is not stretched shows at its own size, cut to its place. On a denser screen
// both are scaled: whole multiples stay sharp pixel for pixel, others are smoothed.
void PaintedBitmap::Paint(HDC dc) const {
    BITMAP info;
    if (!bitmap_ || GetObjectW(bitmap_.get(), sizeof info, &info) == 0) {
        return;
    }
    const int sourceWidth = stretch_ ? static_cast<int>(info.bmWidth)
                                     : std::min(place_.width, static_cast<int>(info.bmWidth));
    const int sourceHeight = stretch_ ? static_cast<int>(info.bmHeight)
                                      : std::min(place_.height, static_cast<int>(info.bmHeight));
    const UINT dpi = host_.Dpi();
    RECT area = Area();
    if (!stretch_) {
        const RECT layout = LayoutArea();
        area = ToDevice(
            RECT{layout.left, layout.top, layout.left + sourceWidth, layout.top + sourceHeight},
            dpi);
    }
    const ScopedDc source = MemoryDcLike(dc);
    const SelectedObject selected(source.get(), bitmap_.get());
    SetStretchBltMode(dc, dpi % kLayoutDpi == 0 ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top,
               source.get(), 0, 0, sourceWidth, sourceHeight, SRCCOPY);
}

Win32PictureButton::Win32PictureButton(const ControlCreation& creation)
    : PaintedBitmap(creation, &kReadableButton) {}

} // namespace kesto::platform::win32
