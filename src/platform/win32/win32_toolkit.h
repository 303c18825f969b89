// The window toolkit on user32, gdi32, comctl32 and shell32.
#pragma once

// First, so that the toolkit's MessageBox and SendMessage keep their names in any file that
// includes this one, whatever it included before.
#include "platform/win32/win32_api.h"

#include "platform/toolkit.h"

#include <memory>

namespace kesto::platform::win32 {

std::unique_ptr<Toolkit> MakeWin32Toolkit();

} // namespace kesto::platform::win32
