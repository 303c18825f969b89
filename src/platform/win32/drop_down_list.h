// Combo boxes that only drop down a list: their closed height is fitted to the layout's.
#pragma once

#include "platform/win32/list_control.h"

namespace kesto::platform::win32 {

class Win32DropDownList final : public ListChildControl, public DropDownList {
  public:
    explicit Win32DropDownList(const ControlCreation& creation);

    void ApplyPlace() override;

  private:
    void FitClosedHeight(int height);
};

} // namespace kesto::platform::win32
