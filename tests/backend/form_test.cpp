// What the backend hands to the system or borrows from it, and how a handler's failure leaves it.
#include "platform/win32/form.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/message_loop.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace kesto::platform::win32 {
namespace {

TEST(SetWindowShape, TheWindowTakesTheShapeAndARegionItRefusesIsDeleted) {
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    // Whether the system keeps the handle it took or a copy is its own affair: only the shape
    // is looked at.
    EXPECT_NE(SetWindowShape(window, Region(CreateRectRgn(0, 0, 50, 50)), false), 0);
    const Region shape(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(window, shape.get()), SIMPLEREGION);
    DestroyWindow(window);

    const HRGN refused = CreateRectRgn(0, 0, 50, 50);
    EXPECT_EQ(SetWindowShape(window, Region(refused), false), 0);
    EXPECT_EQ(GetObjectType(refused), 0u) << "the refused region is still alive";
}

// A button (the first control, so its id is the first), a painted title and a painted frame.
const FormLayout kTestForm = {.name = "frmTest",
                              .clientWidth = 120,
                              .clientHeight = 110,
                              .controls = {{.name = "cmdTest",
                                            .kind = ControlKind::PushButton,
                                            .text = "Test",
                                            .place = {10, 80, 60, 20}},
                                           {.name = "lblTitle",
                                            .kind = ControlKind::Label,
                                            .text = "Title",
                                            .place = {4, 4, 100, 16},
                                            .titleFont = true},
                                           {.name = "Frame1",
                                            .kind = ControlKind::GroupFrame,
                                            .text = "Frame",
                                            .place = {4, 24, 100, 50}}}};

// The painted controls set fonts, colours and modes of their own; a context lent for
// WM_PRINTCLIENT goes back to its owner as it came.
TEST(PrintClient, LeavesTheContextAsItCame) {
    FormEvents events;
    Win32Form form(kTestForm, events);

    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 120, 80);
    ReleaseDC(nullptr, screen);
    SelectObject(dc, bitmap);
    const HGDIOBJ font = GetStockObject(ANSI_FIXED_FONT);
    SelectObject(dc, font);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    SetBkMode(dc, OPAQUE);
    SetStretchBltMode(dc, BLACKONWHITE);

    SendMessageW(form.Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);

    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), bitmap);
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetStretchBltMode(dc), BLACKONWHITE);
    // It did paint: the title's white text stands somewhere on the form's face.
    bool white = false;
    for (int y = 4; y < 20 && !white; ++y) {
        for (int x = 4; x < 104 && !white; ++x) {
            white = GetPixel(dc, x, y) == RGB(255, 255, 255);
        }
    }
    EXPECT_TRUE(white) << "nothing was printed";
    DeleteDC(dc);
    DeleteObject(bitmap);
}

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

// A handler's exception leaves the window procedure kept, not unwinding through the system's
// frames, and comes out of the loop in ours; the form goes on working after it.
TEST(MessageLoop, AHandlersExceptionComesOutOfTheLoopOnceAndTheFormStillWorks) {
    FailingOnce events;
    Win32Form form(kTestForm, events);
    const HWND button = GetDlgItem(form.Window(), 1000);
    ASSERT_NE(button, nullptr);
    const auto click = [&] {
        PostMessageW(form.Window(), WM_COMMAND, MAKEWPARAM(1000, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    };

    click();
    try {
        DispatchWaitingMessages();
        ADD_FAILURE() << "the click's exception was lost";
    } catch (const ClickFailure& failure) {
        EXPECT_STREQ(failure.what(), "cmdTest");
    }

    click();
    EXPECT_NO_THROW(DispatchWaitingMessages());
    EXPECT_EQ(events.clicks, 2);
}

} // namespace
} // namespace kesto::platform::win32
