// What list boxes and combo boxes share: the same requests, made with different messages.
#pragma once

#include "platform/win32/child_control.h"

namespace kesto::platform::win32 {

struct ListMessages {
    UINT reset, add, count, textLength, text, getSelection, setSelection;
};

class ListChildControl : public ChildControl, public virtual ListControl {
  public:
    ListChildControl(const ControlCreation& creation, const ChildWindowKind& kind,
                     const ListMessages& messages)
        : ChildControl(creation, kind), messages_(messages) {}

    std::string Text() const override;
    void Clear() override;
    void AddItem(const std::string& item) override;
    int ListCount() const override;
    std::string List(int index) const override;
    int ListIndex() const override;
    void SetListIndex(int index) override;

  private:
    const ListMessages& messages_;
};

} // namespace kesto::platform::win32
