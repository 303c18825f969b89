// The window toolkit on user32, gdi32, comctl32 and shell32.
#pragma once

#include "platform/toolkit.h"

#include <memory>

namespace kesto::platform::win32 {

std::unique_ptr<Toolkit> MakeWin32Toolkit();

} // namespace kesto::platform::win32
