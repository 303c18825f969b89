// Layout tables of the program's two windows, in pixels at 96 dots per inch.
#pragma once

#include "platform/toolkit.h"

namespace kesto::ui {

// The main window frmMain: every control in creation order, children of Frame1 and Frame2
// placed relative to their group.
const platform::FormLayout& MainFormLayout();

// The progress window FrmWorking.
const platform::FormLayout& WorkingFormLayout();

} // namespace kesto::ui
