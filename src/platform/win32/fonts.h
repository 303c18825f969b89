// The two fonts a form draws with, at the form's dots per inch.
#pragma once

#include "platform/win32/gdi_handles.h"

#include <map>
#include <optional>

namespace kesto::platform::win32 {

class Fonts {
  public:
    explicit Fonts(UINT dpi);

    // The system's message font at 12 layout pixels: every control but the title.
    HFONT Message() const { return message_.get(); }
    // White bold Arial of the title bar.
    HFONT Title() const { return title_.get(); }

    // The selection field that gave a drop-down list of the message font a closed height: each
    // try at it lays a list out anew.
    std::optional<int> FittedField(int closedHeight) const;
    void NoteFittedField(int closedHeight, int field) const;

  private:
    OwnedFont message_;
    OwnedFont title_;
    mutable std::map<int, int> fittedFields_;
};

} // namespace kesto::platform::win32
