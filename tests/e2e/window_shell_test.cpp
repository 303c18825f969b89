// The skinned frame around the controls: its shape, its pictures and its title-bar buttons.
#include "kesto_test.h"

#include <cstdlib>

namespace kesto::e2e {

namespace {

using WindowShell = LaunchedKestoTest;

// It carries the taskbar's and the system menu's styles but no frame of the system. At each
// density the suite runs in, it is the reference picture a person looked at: at 144 dots per inch
// (kesto_e2e_tests_144dpi, in a prefix of its own) everything 1.5 times as large, the skin
// smoothed, no text cut; the black desktop shows beyond its rounded corners.
TEST_F(WindowShell, IsATopmostRoundedRectangleWithTheSkinFittedToIt) {
    const uidriver::Window& frame = Main().Frame();
    EXPECT_TRUE(frame.Topmost());
    EXPECT_EQ(frame.Text(), "Tarvel");
    const LONG_PTR style = frame.Style();
    EXPECT_NE(style & WS_POPUP, 0);
    EXPECT_NE(style & WS_SYSMENU, 0) << "Alt+Space and the taskbar's menu need a system menu";
    EXPECT_NE(style & WS_MINIMIZEBOX, 0) << "the taskbar minimises only what can be minimised";
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(frame.ExStyle() & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(frame.ExStyle() & WS_EX_TOOLWINDOW, 0);

    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const char* wanted = std::getenv("KESTO_WINE_DPI");
    ASSERT_EQ(dpi, wanted != nullptr ? std::atoi(wanted) : 96)
        << "the prefix's density did not take";
    const uidriver::Rect area = frame.ScreenRect();
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(area.left, work.left + (work.right - work.left - area.width) / 2) << "not centred";
    EXPECT_EQ(area.top, work.top + (work.bottom - work.top - area.height) / 2) << "not centred";
    ASSERT_TRUE(uidriver::CaptureSettled(area, 5s)) << "the window never finished painting";
    const std::string name =
        dpi == 96 ? "main-window" : "main-window-" + std::to_string(dpi) + "dpi";
    SaveScreenshot(name, area);
    const uidriver::Image reference =
        uidriver::LoadPng(std::filesystem::path(KESTO_SOURCE_DIR) /
                          (dpi == 96 ? L"docs" : L"tests\\e2e") / uidriver::Widen(name + ".png"));
    EXPECT_EQ(area.width, reference.width);
    EXPECT_EQ(area.height, reference.height);
    EXPECT_EQ(uidriver::PixelsUnlike(reference, area, 5s), 0);
}

// The taskbar's click, Win+Down and the system menu all send the window WM_SYSCOMMAND. Its
// minimise button is pressed as screen readers' proxies press a push button, which must leave the
// focus alone; Startup.MakesTheSavedPartitionsAgainAtLogOnAndWaitsBehindTheTrayIcon clicks it.
TEST_F(WindowShell, MinimisesAndRestoresOnTheTaskbarsCommandsAndClosesFromItsTitleBar) {
    const uidriver::Window& frame = Main().Frame();
    const auto tray = uidriver::TrayIcon::Of(Program().Id(), 10s);
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
