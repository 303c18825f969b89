// Handing a shape to a window: the system keeps it, or it is deleted here when refused.
#include "platform/win32/gdi_handles.h"

namespace kesto::platform::win32 {

int SetWindowShape(HWND window, Region shape, bool redraw) {
    const int result = ::SetWindowRgn(window, shape.get(), redraw);
    if (result != 0) {
        shape.release();
    }
    return result;
}

} // namespace kesto::platform::win32
