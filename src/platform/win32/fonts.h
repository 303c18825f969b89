// The two fonts a form draws with, at the form's dots per inch.
#pragma once

#include "platform/win32/gdi_handles.h"

namespace kesto::platform::win32 {

class Fonts {
  public:
    explicit Fonts(UINT dpi);

    // The system's message font at 12 layout pixels: every control but the title.
    HFONT Message() const { return message_.get(); }
    // White bold Arial of the title bar.
    HFONT Title() const { return title_.get(); }

  private:
    OwnedFont message_;
    OwnedFont title_;
};

} // namespace kesto::platform::win32
