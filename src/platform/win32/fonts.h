// The two fonts a form draws with, at the form's dots per inch.
#pragma once

#include "platform/win32/gdi_handles.h"

namespace kesto::platform::win32 {

class Fonts {
  public:
    // Of a line, as a list box gives its items.
    struct LineHeights {
        int message;
        int system;
    };

    explicit Fonts(UINT dpi);

    // The system's message font at 12 layout pixels: every control but the title.
    HFONT Message() const { return message_.get(); }
    // The line heights of it and of the system font, which a control has until it is given
    // another.
    const LineHeights& LineHeight() const { return lineHeights_; }
    // White bold Arial of the title bar.
    HFONT Title() const { return title_.get(); }

  private:
    OwnedFont message_;
    LineHeights lineHeights_;
    OwnedFont title_;
};

} // namespace kesto::platform::win32
