// Window shapes: the portable code draws them in layout pixels, the window takes its own.
#pragma once

#include "platform/win32/gdi_handles.h"

namespace kesto::platform::win32 {

// A new region, each rectangle of `layout` scaled to `dpi`; empty when it cannot be read.
Region ScaledRegion(HRGN layout, UINT dpi);

} // namespace kesto::platform::win32
