// The controls of the progress window FrmWorking by name and kind; its layout is built from
// these.
#pragma once

#include "platform/toolkit.h"

#include <array>
#include <string_view>

namespace kesto::ui {

// Tags the progress window's names and its form, so that they go only with each other.
struct WorkingWindow {
    static const platform::FormLayout& Layout();
    // Every control in the window's layout table; no other name or kind builds.
    static constexpr std::array<platform::ListedControl, 1> kControls{
        {{"lblView", platform::ControlKind::Label}}};
};

inline constexpr platform::ControlName<platform::Label, WorkingWindow> lblView{"lblView"};

} // namespace kesto::ui
