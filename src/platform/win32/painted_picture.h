// Pictures, painted by their form from a bitmap resource: plain ones are decoration; a picture
// button names a command, which other programs read and press through its owner-drawn button.
#pragma once

#include "platform/win32/gdi_handles.h"
#include "platform/win32/painted_control.h"

namespace kesto::platform::win32 {

class PaintedBitmap : public PaintedControl {
  public:
    PaintedBitmap(const ControlCreation& creation, const ReadableKind* readable);

    void Paint(HDC dc) const override;

  private:
    bool stretch_;
    OwnedBitmap bitmap_;
};

class Win32Picture final : public PaintedBitmap, public Picture {
  public:
    explicit Win32Picture(const ControlCreation& creation) : PaintedBitmap(creation, nullptr) {}
};

class Win32PictureButton final : public PaintedBitmap, public PictureButton {
  public:
    explicit Win32PictureButton(const ControlCreation& creation);
};

} // namespace kesto::platform::win32
