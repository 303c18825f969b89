// A window destroyed with its owner, so that a constructor that fails after making it leaves none.
#pragma once

#include "platform/win32/win32_api.h"

#include <memory>

namespace kesto::platform::win32 {

struct WindowDestroy {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using OwnedWindow = std::unique_ptr<HWND__, WindowDestroy>;

} // namespace kesto::platform::win32
