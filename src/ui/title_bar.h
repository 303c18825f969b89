// Title-bar commands and the tool tip of the partition list.
#pragma once

#include "platform/os.h"
#include "platform/toolkit.h"

#include <cstdint>
#include <string>

namespace kesto::ui {

// The address handed to the shell for the help page beside the executable.
std::string HelpPageAddress(const std::string& appPath);
void OpenHelp(platform::Os& os, const std::string& appPath);

// A point as LB_ITEMFROMPOINT takes it: y in the high word, x in the low word.
std::int32_t PackPoint(int x, int y);

// Sets the list's tool tip to the whole entry under the pointer, or to nothing. Held buttons
// leave it as it was.
void ShowEntryUnderPointer(platform::Toolkit& toolkit, platform::ListBox& list, int buttons, int x,
                           int y);

} // namespace kesto::ui
