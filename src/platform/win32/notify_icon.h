// Shell_NotifyIconA with the tray control's portable copy of NOTIFYICONDATAA.
#pragma once

#include "platform/toolkit.h"

#include <cstdint>

namespace kesto::platform::win32 {

bool ShellNotifyIconAnsi(std::uint32_t message, const NotifyIconData& data);

} // namespace kesto::platform::win32
