// Option buttons: checked alone in their group, which the arrow keys walk.
#pragma once

#include "platform/win32/child_control.h"

namespace kesto::platform::win32 {

class Win32OptionButton final : public ChildControl, public OptionButton {
  public:
    explicit Win32OptionButton(const ControlCreation& creation);

    bool Checked() const override;
    void SetChecked(bool checked) override;
};

// False for every other kind of control.
bool IsCheckedOption(const ControlBase& control);

} // namespace kesto::platform::win32
