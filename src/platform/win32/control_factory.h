// Makes the control a layout entry's kind asks for.
#pragma once

#include "platform/win32/control_base.h"

#include <memory>

namespace kesto::platform::win32 {

std::unique_ptr<ControlBase> MakeControl(const ControlCreation& creation);

} // namespace kesto::platform::win32
