#include "platform/win32/form.h"
#include "platform/win32/message_loop.h"
#include "test_form.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace kesto::platform::win32 {
namespace {

struct ClickFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The first click fails, as a handler with a fault would.
class FailingOnce : public FormEvents {
  public:
    void OnClick(const std::string& control) override {
        if (++clicks == 1) {
            throw ClickFailure(control);
        }
    }
    int clicks = 0;
};

void PostClick(const Win32Form& form) {
    const HWND window = form.Window();
    const HWND button = GetDlgItem(window, 1000);
    ASSERT_NE(button, nullptr);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(1000, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

// A handler's exception leaves the window procedure kept, not unwinding through the system's
// frames, and comes out of the loop in ours; the form goes on working after it.
TEST(MessageLoop, AHandlersExceptionComesOutOfTheLoopOnceAndTheFormStillWorks) {
    FailingOnce events;
    Win32Form form(
        SmallFormLayout("frmTest", 100, 40,
                        {ControlOf("cmdTest", ControlKind::PushButton, "Test", {10, 10, 60, 20})}),
        events);

    PostClick(form);
    try {
        DispatchWaitingMessages();
        ADD_FAILURE() << "the click's exception was lost";
    } catch (const ClickFailure& failure) {
        EXPECT_STREQ(failure.what(), "cmdTest");
    }

    PostClick(form);
    EXPECT_NO_THROW(DispatchWaitingMessages());
    EXPECT_EQ(events.clicks, 2);
}

} // namespace
} // namespace kesto::platform::win32
