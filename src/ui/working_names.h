// The controls of the progress window FrmWorking by name and kind; its layout is built from
// these.
#pragma once

#include "platform/toolkit.h"

#include <array>
#include <string_view>

namespace kesto::ui {

inline constexpr platform::ControlName<platform::Label> lblView{"lblView"};

// Every name above, for the check that each stands in the layout exactly once.
inline constexpr std::array<std::string_view, 1> kWorkingControlNames{lblView.text};

} // namespace kesto::ui
