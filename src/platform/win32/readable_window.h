// The window of a painted control, through which other programs (screen readers, a UI test
// driver) read it: a static text for a label, a group box for a group frame, an owner-drawn push
// button for a picture that names a command. It shows what its form paints beneath it, and the
// mouse passes through it to the form, which keeps handling the painted controls as before.
#pragma once

#include "platform/layout.h"
#include "platform/win32/control_host.h"

#include <vector>

namespace kesto::platform::win32 {

// The window class and style of a painted control's readable window.
struct ReadableKind {
    const wchar_t* className;
    DWORD style;
};

inline constexpr ReadableKind kReadableLabel{WC_STATICW, SS_LEFT | SS_NOPREFIX};
inline constexpr ReadableKind kReadableFrame{WC_BUTTONW, BS_GROUPBOX};
inline constexpr ReadableKind kReadableButton{WC_BUTTONW, BS_OWNERDRAW};

// Made over area, in device pixels of the host's client area.
HWND CreateReadableWindow(ControlHost& host, const ReadableKind& kind, const ControlLayout& entry,
                          const RECT& area, int id);

// Puts the window over area with a hole wherever one of the host's child windows lies: so it
// hides none of them, however they are stacked. Moves and shapes it only where that changes.
void PlaceReadableWindow(HWND window, const RECT& area, const std::vector<RECT>& childAreas);

} // namespace kesto::platform::win32
