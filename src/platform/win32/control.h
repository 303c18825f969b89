// Controls that are child windows of their form: buttons, option buttons, combo boxes, list
// boxes and text boxes.
#pragma once

#include "platform/win32/control_base.h"

namespace kesto::platform::win32 {

class ChildControl : public ControlBase {
  public:
    // The first option button of a group starts a new group for the arrow keys.
    ChildControl(Win32Form& form, const ControlLayout& entry, int index, bool firstOfGroup);
    ChildControl(const ChildControl&) = delete;
    ChildControl& operator=(const ChildControl&) = delete;

    HWND OwnWindow() const override { return window_; }
    void ApplyPlace() override;
    void ApplyFont() override;

    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool Visible() const override;
    void SetVisible(bool visible) override;
    void SetFocus() override;
    void SetPlace(const Rect& place) override;
    void SetBackColor(Rgb color) override;
    bool Checked() const override;
    void SetChecked(bool checked) override;
    void Clear() override;
    void AddItem(const std::string& item) override;
    int ListCount() const override;
    std::string List(int index) const override;
    int ListIndex() const override;
    void SetListIndex(int index) override;
    void SetToolTipText(const std::string& text) override;
    Handle WindowHandle() const override { return ToHandle(window_); }

  private:
    void FitClosedComboHeight(int height);
    static LRESULT CALLBACK ListSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);

    HWND window_;
};

} // namespace kesto::platform::win32
