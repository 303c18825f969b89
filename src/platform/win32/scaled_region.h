// Window shapes: the portable code draws them in layout pixels, the window takes its own.
#pragma once

#include "platform/win32/win32_api.h"

namespace kesto::platform::win32 {

// A new region, each rectangle of `layout` scaled to `dpi`; null when it cannot be read.
HRGN ScaledRegion(HRGN layout, UINT dpi);

} // namespace kesto::platform::win32
