// Group frames: painted by their form under the controls placed inside them, which move with
// them. They take no mouse input.
#pragma once

#include "platform/win32/painted_control.h"

namespace kesto::platform::win32 {

class Win32GroupFrame final : public PaintedControl, public GroupFrame {
  public:
    explicit Win32GroupFrame(const ControlCreation& creation);

    void Paint(HDC dc) const override;
    bool Hit(POINT /*point*/) const override { return false; }
    void ApplyPlace() override;
};

} // namespace kesto::platform::win32
