// What a screen reader finds: every text of the windows in a control of its own, which the
// system's accessibility proxies name by its class and text. Wine has no such proxies, so the
// controls are read here as they would read them, from another process.
#include "kesto_test.h"

#include "ui/main_names.h"

#include "uidriver/keyboard.h"
#include "uidriver/poll.h"
#include "uidriver/screenshot.h"

#include <windows.h>

#include <vector>

namespace kesto::e2e {

namespace {

using namespace std::chrono_literals;
using uidriver::Window;

using ScreenReaders = LaunchedKestoTest;

// The controls the window paints itself that have a window all the same, for other programs
// to read; main_window_test.cpp proves what those windows say and where they stand.
std::vector<Window> PaintedControls(const uidriver::MainForm& main) {
    std::vector<Window> painted;
    for (const platform::ControlLayout& entry : ui::MainWindow::Layout().controls) {
        if (entry.kind == platform::ControlKind::Label ||
            entry.kind == platform::ControlKind::GroupFrame ||
            entry.kind == platform::ControlKind::PictureButton) {
            painted.push_back(main.Control(entry.name));
        }
    }
    return painted;
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
    const std::vector<Window> painted = PaintedControls(Main());
    for (const Window& control : painted) {
        ShowWindow(control.Handle(), SW_HIDE);
    }
    const int unlike = uidriver::PixelsUnlike(*shown, area, 3s);
    EXPECT_EQ(unlike, 0);
    SaveScreenshot("main-window-without-control-windows", area);
    for (const Window& control : painted) {
        ShowWindow(control.Handle(), SW_SHOWNA);
    }
}

} // namespace

} // namespace kesto::e2e
