// The mouse buttons a driver presses.
#pragma once

namespace kesto::uidriver {

enum class MouseButton { Left, Right, Middle };

} // namespace kesto::uidriver
