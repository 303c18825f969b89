// The program's icon in the notification area, reached through the hidden window to which the
// shell reports the mouse on the icon.
#pragma once

#include "uidriver/mouse.h"
#include "uidriver/poll.h"
#include "uidriver/window.h"

#include <optional>

namespace kesto::uidriver {

class TrayIcon {
  public:
    explicit TrayIcon(Window receiver) : receiver_(receiver) {}
    // The program makes the window with its first icon: waits that long for it; nullopt when
    // the process has made none by then.
    static std::optional<TrayIcon> Of(DWORD processId, milliseconds timeout);

    const Window& Receiver() const { return receiver_; }
    // What the shell sends on a click: the callback message the program registered, with the
    // mouse message in lParam.
    void Press(MouseButton button) const;

  private:
    Window receiver_;
};

} // namespace kesto::uidriver
