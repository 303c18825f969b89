// The message loop, with the keyboard handling that dialogs would otherwise get from
// IsDialogMessage, and the exceptions kept by window procedures thrown again in our own frames.
#pragma once

namespace kesto::platform::win32 {

// Until WM_QUIT.
void RunMessageLoop();
// Every message already waiting; a WM_QUIT among them is put back for RunMessageLoop.
void DispatchWaitingMessages();

} // namespace kesto::platform::win32
