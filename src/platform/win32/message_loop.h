// The message loop, with the keyboard handling that dialogs would otherwise get from
// IsDialogMessage, and the exceptions kept by window procedures thrown again in our own frames.
// IsDialogMessage itself would move the focus in the order the windows are stacked, which is the
// order a user reads the window, not the window's tab order; and it would turn Enter and Esc
// into IDOK and IDCANCEL commands for a window that has no such buttons.
#pragma once

namespace kesto::platform::win32 {

// Until WM_QUIT.
void RunMessageLoop();
// Every message already waiting; a WM_QUIT among them is put back for RunMessageLoop.
void DispatchWaitingMessages();

} // namespace kesto::platform::win32
