// Window classes of the backend, registered the first time a window of theirs is made.
#pragma once

#include "platform/win32/win32_api.h"

namespace kesto::platform::win32 {

// With appIcon the class carries the program's icon, big and small.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, bool appIcon);

} // namespace kesto::platform::win32
