// The window toolkit on user32, gdi32, comctl32 and shell32.
#pragma once

#include "platform/toolkit.h"

#include <memory>
#include <string>

namespace kesto::platform::win32 {

// appTitle: what message boxes and the tray icon's tip show; appIcon: the resource number of the
// icon of forms whose layout asks for the program's.
std::unique_ptr<Toolkit> MakeWin32Toolkit(std::string appTitle, int appIcon);

} // namespace kesto::platform::win32
