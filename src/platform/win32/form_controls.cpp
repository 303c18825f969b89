// The one place that turns a layout entry's kind into its control class, and files the control
// in the lists of what it is.
#include "platform/win32/form_controls.h"

#include "platform/win32/drop_down_list.h"
#include "platform/win32/group_frame.h"
#include "platform/win32/list_box.h"
#include "platform/win32/option_button.h"
#include "platform/win32/painted_label.h"
#include "platform/win32/painted_picture.h"

#include <algorithm>
#include <stdexcept>
#include <type_traits>

namespace kesto::platform::win32 {

namespace {

template <class Control>
Control* FindNamed(const std::vector<Control*>& list, const std::string& name) {
    const auto found = std::find_if(list.begin(), list.end(), [&name](const Control* control) {
        return control->Name() == name;
    });
    return found == list.end() ? nullptr : *found;
}

} // namespace

FormControls::FormControls() = default;
FormControls::~FormControls() = default;

void FormControls::Create(ControlHost& host, const FormLayout& layout) {
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const ControlLayout& entry = layout.controls[i];
        Win32GroupFrame* frame = FindNamed(frames_, entry.parent);
        if (frame == nullptr && !entry.parent.empty()) {
            throw std::invalid_argument(entry.name + " stands in " + entry.parent +
                                        ", which is no group frame made before it");
        }
        ControlBase& made = Make({host, entry, static_cast<int>(i), frame});
        if (frame != nullptr) {
            frame->Adopt(made);
        }
    }
    for (const std::string& name : layout.tabOrder) {
        if (ChildControl* control = FindNamed(windowed_, name)) {
            tabOrder_.push_back(control);
        }
    }
}

ControlBase& FormControls::Make(const ControlCreation& creation) {
    switch (creation.entry.kind) {
    case ControlKind::Label:
        return Add<Win32Label>(creation);
    case ControlKind::GroupFrame:
        return Add<Win32GroupFrame>(creation);
    case ControlKind::Picture:
        return Add<Win32Picture>(creation);
    case ControlKind::PictureButton:
        return Add<Win32PictureButton>(creation);
    case ControlKind::OptionButton:
        return Add<Win32OptionButton>(creation, GroupNamed(creation.entry.parent));
    case ControlKind::DropDownList:
        return Add<Win32DropDownList>(creation);
    case ControlKind::ListBox:
        return Add<Win32ListBox>(creation);
    case ControlKind::TextBox:
        return Add<Win32TextBox>(creation);
    case ControlKind::PushButton:
        return Add<Win32PushButton>(creation);
    }
    // Only a value outside the enumeration gets here; -Wswitch names a kind the switch misses.
    throw std::invalid_argument("layout entry of no known control kind");
}

// Which lists a control goes into follows from its class.
template <class Made, class... Extra>
Made& FormControls::Add(const ControlCreation& creation, Extra&... extra) {
    auto control = std::make_unique<Made>(creation, extra...);
    Made& made = *control;
    owned_.push_back(std::move(control));
    if constexpr (std::is_base_of_v<PaintedControl, Made>) {
        painted_.push_back(&made);
    } else {
        windowed_.push_back(&made);
    }
    if constexpr (std::is_same_v<Made, Win32GroupFrame>) {
        frames_.push_back(&made);
    }
    if constexpr (std::is_base_of_v<PushButton, Made> || std::is_base_of_v<OptionButton, Made> ||
                  std::is_base_of_v<PictureButton, Made>) {
        clickable_.push_back(&made);
    }
    return made;
}

OptionGroup& FormControls::GroupNamed(const std::string& name) {
    const auto found = std::find_if(groups_.begin(), groups_.end(),
                                    [&name](const auto& group) { return group.first == name; });
    if (found != groups_.end()) {
        return *found->second;
    }
    return *groups_.emplace_back(name, std::make_unique<OptionGroup>()).second;
}

ControlBase* FormControls::Named(const std::string& name) const {
    const auto found = std::find_if(owned_.begin(), owned_.end(), [&name](const auto& control) {
        return control->Name() == name;
    });
    return found == owned_.end() ? nullptr : found->get();
}

ControlBase* FormControls::WithWindow(HWND window) const {
    const auto found = std::find_if(owned_.begin(), owned_.end(), [window](const auto& control) {
        return control->OwnWindow() == window;
    });
    return window == nullptr || found == owned_.end() ? nullptr : found->get();
}

} // namespace kesto::platform::win32
