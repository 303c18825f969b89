// What a screen reader finds: every text of the windows in a control of its own, which the
// system's accessibility proxies name by its class and text. Wine has no such proxies, so the
// controls are read here as they would read them, from another process.
#include "kesto_test.h"

#include "uidriver/keyboard.h"
#include "uidriver/poll.h"
#include "uidriver/screenshot.h"

#include <windows.h>

#include <cstring>
#include <map>

namespace kesto::e2e {

namespace {

using namespace std::chrono_literals;
using uidriver::Window;

using ScreenReaders = LaunchedKestoTest;

struct PaintedControl {
    const char* name;
    const char* className;
    LONG_PTR type; // the style's type bits: SS_TYPEMASK of a static, BS_TYPEMASK of a button
    const char* text;
};

constexpr PaintedControl kPainted[] = {
    {"lblTitle", "Static", SS_LEFT, "Tarvel"},
    {"imgTitleHelp", "Button", BS_OWNERDRAW, "帮助"},
    {"imgTitleMinimize", "Button", BS_OWNERDRAW, "最小化"},
    {"imgTitleClose", "Button", BS_OWNERDRAW, "关闭"},
    {"Frame1", "Button", BS_GROUPBOX, "新建虚拟分区"},
    {"lbls(1)", "Static", SS_LEFT, "新建虚拟分区使用的盘符："},
    {"Frame2", "Button", BS_GROUPBOX, "已有虚拟分区"},
};

TEST_F(ScreenReaders, FindEveryPaintedTextInAControlWhereItIsShown) {
    for (const PaintedControl& expected : kPainted) {
        SCOPED_TRACE(expected.name);
        const Window control = Main().Control(expected.name);
        EXPECT_EQ(control.ClassName(), expected.className);
        const LONG_PTR mask =
            std::strcmp(expected.className, "Static") == 0 ? SS_TYPEMASK : BS_TYPEMASK;
        EXPECT_EQ(control.Style() & mask, expected.type);
        EXPECT_EQ(control.Text(), expected.text);
        EXPECT_TRUE(control.Visible());
        EXPECT_EQ(control.Style() & WS_TABSTOP, 0) << "only the tab order takes the focus";
        EXPECT_EQ(control.RectIn(Main().Frame()), Main().Place(expected.name));
    }
}

// The proxies name a list that has no text of its own after the label just above it in the
// stacking order, so the windows are stacked as the window reads, each list after its label.
TEST_F(ScreenReaders, MeetTheControlsInReadingOrderEachListAfterItsLabel) {
    std::map<HWND, std::string> names;
    for (const char* name :
         {"lblTitle", "imgTitleHelp", "imgTitleMinimize", "imgTitleClose", "Frame1", "Opt1(1)",
          "CmbBusyDisk", "Opt1(0)", "TxtDirector", "CmdFindDirector", "lbls(1)", "CmbFreedisk",
          "cmdcreate", "Frame2", "listKesto", "cmddele"}) {
        names[Main().Control(name).Handle()] = name;
    }
    std::vector<std::string> order;
    for (HWND child = GetWindow(Main().Frame().Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && names.contains(child)) {
            order.push_back(names[child]);
        }
    }
    EXPECT_EQ(order, (std::vector<std::string>{"lblTitle", "imgTitleHelp", "imgTitleMinimize",
                                               "imgTitleClose", "Frame1", "Opt1(1)", "CmbBusyDisk",
                                               "Opt1(0)", "lbls(1)", "CmbFreedisk", "cmdcreate",
                                               "Frame2", "listKesto", "cmddele"}));
}

TEST_F(ScreenReaders, PressTheTitleButtonsWithoutTakingTheFocus) {
    const Window minimise = Main().Control("imgTitleMinimize");
    // What the proxies' default action does to a push button.
    minimise.Post(BM_CLICK);
    EXPECT_TRUE(uidriver::WaitUntil([&] { return Main().Frame().Minimized(); }, 5s));
    Main().Frame().Post(WM_SYSCOMMAND, SC_RESTORE);
    ASSERT_TRUE(uidriver::WaitUntil([&] { return !Main().Frame().Minimized(); }, 5s));
    const auto focused = uidriver::FocusedWindow(Main().Frame());
    EXPECT_TRUE(!focused || focused->Handle() != minimise.Handle());
    EXPECT_TRUE(Program().Running());
}

// The controls show what the window painted before it had them: with them hidden the window
// paints the same pixels itself.
TEST_F(ScreenReaders, ControlsChangeNoPixelOfTheWindow) {
    const uidriver::Rect area = Main().Frame().ScreenRect();
    const std::optional<uidriver::Image> shown = uidriver::CaptureSettled(area, 5s);
    ASSERT_TRUE(shown) << "the window never finished painting";
    for (const PaintedControl& control : kPainted) {
        ShowWindow(Main().Control(control.name).Handle(), SW_HIDE);
    }
    const int unlike = uidriver::PixelsUnlike(*shown, area, 3s);
    EXPECT_EQ(unlike, 0);
    SaveScreenshot("main-window-without-control-windows", area);
    for (const PaintedControl& control : kPainted) {
        ShowWindow(Main().Control(control.name).Handle(), SW_SHOWNA);
    }
}

} // namespace

} // namespace kesto::e2e
