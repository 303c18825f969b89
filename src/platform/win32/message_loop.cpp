// The message loop and its keyboard pass.
#include "platform/win32/message_loop.h"

#include "platform/win32/form.h"
#include "platform/win32/form_registry.h"
#include "platform/win32/kept_exceptions.h"

namespace kesto::platform::win32 {

namespace {

void Dispatch(const MSG& message) {
    if (message.message == WM_KEYDOWN) {
        Win32Form* form = FormHolding(message.hwnd);
        if (form != nullptr && form->HandleKey(message)) {
            return;
        }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Deliver(const MSG& message) {
    Dispatch(message);
    RethrowKeptException();
}

} // namespace

void RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        Deliver(message);
    }
}

void DispatchWaitingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Deliver(message);
    }
}

} // namespace kesto::platform::win32
