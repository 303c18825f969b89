// Keys pressed in another program's window, as its message loop takes them from its queue.
#pragma once

#include "uidriver/window.h"

#include <windows.h>

#include <optional>

namespace kesto::uidriver {

// Queues the key's press and release for window; with alt, as a system key (Alt+key).
void PressKey(const Window& window, WORD key, bool alt = false);
// Types the key on the keyboard, for the window with the focus in the foreground; with shift,
// while Shift is held, which the program reads from its key state.
void TypeKey(WORD key, bool shift = false);

// The window that has the keyboard focus in the thread of window; nullopt when none has.
std::optional<Window> FocusedWindow(const Window& window);

} // namespace kesto::uidriver
