// List boxes: their pointer moves reach the form's owner, for the tool tip of the entry under
// the pointer.
#pragma once

#include "platform/win32/list_control.h"

namespace kesto::platform::win32 {

class Win32ListBox final : public ListChildControl, public ListBox {
  public:
    explicit Win32ListBox(const ControlCreation& creation);

  private:
    static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR data);
};

} // namespace kesto::platform::win32
