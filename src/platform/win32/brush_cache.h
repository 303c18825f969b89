// Solid brushes by colour, kept for the WM_CTLCOLOR* answers and the form's painting.
#pragma once

#include "platform/win32/win32_api.h"

#include <map>

namespace kesto::platform::win32 {

class BrushCache {
  public:
    BrushCache() = default;
    ~BrushCache();
    BrushCache(const BrushCache&) = delete;
    BrushCache& operator=(const BrushCache&) = delete;

    HBRUSH Get(COLORREF color);

  private:
    std::map<COLORREF, HBRUSH> brushes_;
};

} // namespace kesto::platform::win32
