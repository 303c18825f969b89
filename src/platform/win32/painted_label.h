// Labels, painted by their form, read by other programs through a static text.
#pragma once

#include "platform/win32/painted_control.h"

namespace kesto::platform::win32 {

class Win32Label final : public PaintedControl, public Label {
  public:
    explicit Win32Label(const ControlCreation& creation);

    void Paint(HDC dc) const override;

  private:
    bool transparent_;
    bool titleFont_;
};

} // namespace kesto::platform::win32
