// Group frames: painted by their form under the controls placed inside them, which move with
// them. They take no mouse input.
#pragma once

#include "platform/win32/painted_control.h"

#include <vector>

namespace kesto::platform::win32 {

class Win32GroupFrame final : public PaintedControl, public GroupFrame {
  public:
    explicit Win32GroupFrame(const ControlCreation& creation);

    void Paint(HDC dc) const override;
    bool Hit(POINT /*point*/) const override { return false; }
    void ApplyPlace() override;
    // A control placed inside, which moves with the frame.
    void Adopt(ControlBase& child) { children_.push_back(&child); }

  private:
    std::vector<ControlBase*> children_;
};

} // namespace kesto::platform::win32
