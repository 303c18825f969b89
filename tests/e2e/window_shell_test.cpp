// The skinned frame around the controls: its shape, its pictures and its title-bar buttons.
#include "kesto_test.h"

#include "uidriver/keyboard.h"
#include "uidriver/poll.h"
#include "uidriver/screenshot.h"
#include "uidriver/tray_icon.h"

#include <windows.h>

#include <cstdlib>
#include <utility>

namespace kesto::e2e {

namespace {

using namespace std::chrono_literals;
using uidriver::Image;
using uidriver::Rgb;

using WindowShell = LaunchedKestoTest;

// The skin's own colours vary with its shading, so only their kind is told apart.
bool TitleBlue(Rgb pixel) {
    return pixel.b >= 100 && pixel.b > pixel.r + 60 && pixel.b > pixel.g + 30;
}

bool FrameGrey(Rgb pixel) {
    return std::abs(pixel.r - pixel.g) <= 8 && std::abs(pixel.g - pixel.b) <= 8 && pixel.g >= 100 &&
           pixel.g <= 240;
}

// The round buttons' faces are light blue, well apart from the title bar's deep blue.
bool ButtonFace(Rgb pixel) {
    return pixel.b >= 200 && pixel.g >= 150 && pixel.b >= pixel.r;
}

// It carries the taskbar's and the system menu's styles but no frame of the system.
TEST_F(WindowShell, IsATopmostRoundedRectangleWithTheSkinFittedToIt) {
    const uidriver::Window& frame = Main().Frame();
    EXPECT_TRUE(frame.Topmost());
    EXPECT_EQ(frame.Text(), "Tarvel");
    EXPECT_TRUE(frame.Visible());
    // The skin draws its own title bar and border, so the client area is the whole window.
    EXPECT_EQ(frame.ScreenRect().width, 356);
    EXPECT_EQ(frame.ScreenRect().height, 408);
    EXPECT_EQ(frame.ClientRect(), (uidriver::Rect{0, 0, 356, 408}));
    const LONG_PTR style = frame.Style();
    EXPECT_NE(style & WS_POPUP, 0);
    EXPECT_NE(style & WS_SYSMENU, 0) << "Alt+Space and the taskbar's menu need a system menu";
    EXPECT_NE(style & WS_MINIMIZEBOX, 0) << "the taskbar minimises only what can be minimised";
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(frame.ExStyle() & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(frame.ExStyle() & WS_EX_TOOLWINDOW, 0);

    const auto region = frame.WindowRegion();
    ASSERT_TRUE(region.has_value()) << "the window keeps its plain rectangle";
    // The system splits a region into rectangles its own way: compare pixels, not rectangles.
    HRGN rounded = CreateRoundRectRgn(0, 0, 356, 408, 24, 24);
    int unlike = 0;
    for (int y = 0; y < 408; ++y) {
        for (int x = 0; x < 356; ++x) {
            unlike += region->Contains(x, y) != (PtInRegion(rounded, x, y) != FALSE);
        }
    }
    DeleteObject(rounded);
    EXPECT_EQ(unlike, 0) << "pixels in one of the window's region and the rounded rectangle";
    for (const auto& [x, y] : {std::pair{0, 0}, {355, 0}, {0, 407}, {355, 407}, {2, 2}}) {
        EXPECT_FALSE(region->Contains(x, y)) << "corner pixel " << x << ", " << y;
    }
    for (const auto& [x, y] : {std::pair{178, 0}, {0, 204}, {354, 204}, {178, 406}, {6, 6}}) {
        EXPECT_TRUE(region->Contains(x, y)) << "pixel " << x << ", " << y;
    }

    const std::optional<Image> settled = uidriver::CaptureSettled(frame.ScreenRect(), 5s);
    ASSERT_TRUE(settled) << "the window never finished painting";
    const Image& shown = *settled;
    SaveScreenshot("main-window", frame.ScreenRect());

    // Clear of the title text and the buttons, at the top, middle and foot of the bar.
    for (int x : {100, 178, 250, 290}) {
        for (int y : {4, 15, 26}) {
            EXPECT_PRED1(TitleBlue, shown.At(x, y)) << "title bar at " << x << ", " << y;
        }
    }
    EXPECT_PRED1(FrameGrey, shown.At(2, 200)) << "left border";
    EXPECT_PRED1(FrameGrey, shown.At(353, 200)) << "right border";
    EXPECT_PRED1(FrameGrey, shown.At(178, 405)) << "bottom border";
    // Help, minimise and close, 13 pixels wide from x 300, 317 and 334 and from y 8 to 20; the
    // layout table has them elsewhere, and the title bar shows between them.
    for (int left : {300, 317, 334}) {
        EXPECT_PRED1(ButtonFace, shown.At(left + 2, 14)) << "button at " << left;
        EXPECT_PRED1(ButtonFace, shown.At(left + 6, 10)) << "button at " << left;
        EXPECT_PRED1(TitleBlue, shown.At(left - 2, 14)) << "left of the button at " << left;
        EXPECT_PRED1(TitleBlue, shown.At(left + 6, 5)) << "above the button at " << left;
        EXPECT_PRED1(TitleBlue, shown.At(left + 6, 23)) << "below the button at " << left;
    }
}

// The taskbar's click, Win+Down and the system menu all send the window WM_SYSCOMMAND. Its
// minimise button is pressed as screen readers' proxies press a push button, which must leave the
// focus alone; Startup.MakesTheSavedPartitionsAgainAndKeepsThemAtTheNextStart clicks it.
TEST_F(WindowShell, MinimisesAndRestoresOnTheTaskbarsCommandsAndClosesFromItsTitleBar) {
    const uidriver::Window& frame = Main().Frame();
    const auto tray = uidriver::TrayIcon::Of(Program().Id());
    ASSERT_TRUE(tray.has_value()) << "no tray window";

    const uidriver::Window minimise = Main().Control("imgTitleMinimize");
    minimise.Post(BM_CLICK);
    EXPECT_TRUE(uidriver::WaitUntil([&] { return frame.Minimized(); }, 5s));
    frame.Post(WM_SYSCOMMAND, SC_RESTORE);
    ASSERT_TRUE(uidriver::WaitUntil([&] { return !frame.Minimized(); }, 5s));
    const auto focused = uidriver::FocusedWindow(frame);
    EXPECT_TRUE(!focused || focused->Handle() != minimise.Handle());

    frame.Post(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(uidriver::WaitUntil([&] { return frame.Minimized(); }, 5s));
    frame.Post(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_TRUE(uidriver::WaitUntil([&] { return !frame.Minimized() && frame.Visible(); }, 5s));
    EXPECT_EQ(frame.ScreenRect().width, 356);
    EXPECT_TRUE(frame.WindowRegion().has_value()) << "the rounded outline is gone";

    Main().Press("imgTitleClose");
    EXPECT_TRUE(Program().WaitForExit(15s));
    EXPECT_FALSE(tray->Receiver().Exists()) << "the tray icon's window outlived the program";
}

} // namespace

} // namespace kesto::e2e
