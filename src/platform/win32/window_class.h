// Window classes of the backend, registered the first time a window of theirs is made.
#pragma once

#include "platform/win32/win32_api.h"

namespace kesto::platform::win32 {

// The class carries the icon of that resource number, big and small; none for 0.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, int icon);

} // namespace kesto::platform::win32
