// Option buttons and their groups: one button checked in a group, which the arrow keys walk.
#pragma once

#include "platform/win32/child_control.h"

#include <vector>

namespace kesto::platform::win32 {

class Win32OptionButton;

// The option buttons a layout puts into one group, in the order made.
class OptionGroup {
  public:
    bool Empty() const { return members_.empty(); }
    void Add(Win32OptionButton& option) { members_.push_back(&option); }
    bool AnyChecked() const;
    void UncheckAllBut(const Win32OptionButton& checked);
    // Clicks, and so checks, the next usable member after `from`, going round.
    void ClickNext(const Win32OptionButton& from, bool backward);

  private:
    std::vector<Win32OptionButton*> members_;
};

class Win32OptionButton final : public ChildControl, public OptionButton {
  public:
    // The first button of a group starts a new group for the arrow keys.
    Win32OptionButton(const ControlCreation& creation, OptionGroup& group);

    bool Checked() const override;
    void SetChecked(bool checked) override;
    // Tab enters a group at its checked button.
    bool TabStopsHere() const override;
    bool OnArrow(bool backward) override;

  private:
    OptionGroup& group_;
};

} // namespace kesto::platform::win32
