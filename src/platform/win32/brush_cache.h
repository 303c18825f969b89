// Solid brushes by colour, kept for the WM_CTLCOLOR* answers and the form's painting.
#pragma once

#include "platform/win32/gdi_handles.h"

#include <map>

namespace kesto::platform::win32 {

class BrushCache {
  public:
    // Null when the system has no brush to give; asked again next time.
    HBRUSH Get(COLORREF color);

  private:
    std::map<COLORREF, OwnedBrush> brushes_;
};

} // namespace kesto::platform::win32
