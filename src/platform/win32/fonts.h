// The two fonts a form draws with, at the form's dots per inch.
#pragma once

#include "platform/win32/win32_api.h"

namespace kesto::platform::win32 {

class Fonts {
  public:
    explicit Fonts(UINT dpi);
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    // The system's message font at 12 layout pixels: every control but the title.
    HFONT Message() const { return message_; }
    // White bold Arial of the title bar.
    HFONT Title() const { return title_; }

  private:
    HFONT message_;
    HFONT title_;
};

} // namespace kesto::platform::win32
