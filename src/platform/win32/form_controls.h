// The controls of a form, made once from its layout table: owned in the order they were made,
// and listed by what they are, so that no code has to ask a control what it is.
#pragma once

#include "platform/win32/control_base.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kesto::platform::win32 {

class ChildControl;
class OptionGroup;
class PaintedControl;
class Win32GroupFrame;

class FormControls {
  public:
    FormControls();
    ~FormControls();
    FormControls(const FormControls&) = delete;
    FormControls& operator=(const FormControls&) = delete;

    // Once, while the form is made: a control for each entry of the layout, in its order.
    void Create(ControlHost& host, const FormLayout& layout);

    // Null when there is none.
    ControlBase* Named(const std::string& name) const;
    ControlBase* WithWindow(HWND window) const;

    const std::vector<std::unique_ptr<ControlBase>>& All() const { return owned_; }
    // Labels, pictures and group frames, which the form paints.
    const std::vector<PaintedControl*>& Painted() const { return painted_; }
    const std::vector<Win32GroupFrame*>& Frames() const { return frames_; }
    // Those with a child window of their own.
    const std::vector<ChildControl*>& Windowed() const { return windowed_; }
    // The windowed controls of the layout's tab order, in that order: only they take the focus.
    const std::vector<ChildControl*>& TabOrder() const { return tabOrder_; }
    // Those whose window's BN_CLICKED is the control's click.
    const std::vector<ControlBase*>& Clickable() const { return clickable_; }

  private:
    ControlBase& Make(const ControlCreation& creation);
    template <class Made, class... Extra>
    Made& Add(const ControlCreation& creation, Extra&... extra);
    OptionGroup& GroupNamed(const std::string& name);

    // Before the controls, which keep their groups to the end.
    std::vector<std::pair<std::string, std::unique_ptr<OptionGroup>>> groups_;
    std::vector<std::unique_ptr<ControlBase>> owned_;
    std::vector<PaintedControl*> painted_;
    std::vector<Win32GroupFrame*> frames_;
    std::vector<ChildControl*> windowed_;
    std::vector<ChildControl*> tabOrder_;
    std::vector<ControlBase*> clickable_;
};

} // namespace kesto::platform::win32
