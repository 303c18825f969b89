// What the user sees right after the start.
#include "kesto_test.h"

#include "uidriver/controls.h"
#include "uidriver/poll.h"
#include "uidriver/screenshot.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace kesto::e2e {

namespace {

using namespace std::chrono_literals;
using uidriver::Rect;
using uidriver::Window;

using MainWindow = LaunchedKestoTest;
using Density = KestoTest;

struct ExpectedControl {
    const char* name;
    const char* className;
    const char* text; // nullptr for lists, whose window text nobody sees
    Rect place;       // in the main window's client area
    bool visible;
    bool checked;
};

// Places are absolute: the group frames (18, 50) and (16, 174) are added in.
constexpr ExpectedControl kControls[] = {
    {"CmbFreedisk", "ComboBox", nullptr, {170, 138, 67, 20}, true, false},
    {"TxtDirector", "Edit", "", {174, 102, 115, 17}, false, false},
    {"CmdFindDirector", "Button", "浏览", {292, 102, 35, 17}, false, false},
    {"Opt1(0)", "Button", "将文件夹模拟为新分区", {28, 102, 141, 17}, true, false},
    {"Opt1(1)", "Button", "在已有分区中新建分区", {28, 76, 143, 17}, true, true},
    {"CmbBusyDisk", "ComboBox", nullptr, {174, 76, 65, 20}, true, false},
    {"cmdcreate", "Button", "新建分区", {246, 134, 83, 25}, true, false},
    {"listKesto", "ListBox", nullptr, {26, 198, 299, 148}, true, false},
    {"cmddele", "Button", "移除选中的虚拟硬盘", {120, 354, 129, 25}, true, false},
};

bool SameClass(const std::string& actual, const char* expected) {
    return actual.size() == std::strlen(expected) &&
           std::equal(actual.begin(), actual.end(), expected,
                      [](char a, char b) { return std::tolower(a) == std::tolower(b); });
}

TEST_F(MainWindow, ShowsItsControlsWithTheirTextsAndPlaces) {
    for (const ExpectedControl& expected : kControls) {
        SCOPED_TRACE(expected.name);
        const Window control = Main().Control(expected.name);
        EXPECT_PRED2(SameClass, control.ClassName(), expected.className);
        if (expected.text != nullptr) {
            EXPECT_EQ(control.Text(), expected.text);
        }
        EXPECT_EQ(control.Visible(), expected.visible);
        if (std::strcmp(expected.className, "Button") == 0) {
            EXPECT_EQ(control.Checked(), expected.checked);
        }
        const Rect place = control.RectIn(Main().Frame());
        if (std::strcmp(expected.className, "ComboBox") == 0) {
            // A closed drop-down list is as tall as its font makes it, whatever it was given.
            EXPECT_EQ(place.left, expected.place.left);
            EXPECT_EQ(place.top, expected.place.top);
            EXPECT_EQ(place.width, expected.place.width);
        } else {
            EXPECT_EQ(place, expected.place);
        }
    }
}

// Run by kesto_e2e_tests_144dpi, in a prefix whose screen has 144 dots per inch (150 %): the
// window is what the reference picture beside this file shows, which a person looked at:
// everything 1.5 times as large, the skin smoothed, no text cut.
TEST_F(Density, At144DotsPerInchTheWindowIsItsReferencePicture) {
    // Windows shows a process unaware of densities every window scaled to 96 dots per inch.
    SetProcessDPIAware();
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(dpi, 144) << "the prefix's screen density did not take";
    Launch();
    const Rect area = Main().Frame().ScreenRect();
    ASSERT_TRUE(uidriver::CaptureSettled(area, 5s)) << "the window never finished painting";
    SaveScreenshot("main-window-144dpi", area);
    const uidriver::Image reference =
        uidriver::LoadPng(std::filesystem::path(KESTO_REFERENCE_DIR) / L"main-window-144dpi.png");
    EXPECT_EQ(area.width, reference.width);
    EXPECT_EQ(area.height, reference.height);
    EXPECT_EQ(uidriver::PixelsUnlike(reference, area, 5s), 0);
}

TEST_F(MainWindow, IsPaintedOnTheScreen) {
    const Window& frame = Main().Frame();
    // Shown comes a moment before painted.
    EXPECT_TRUE(uidriver::CaptureSettled(frame.ScreenRect(), 5s));
    SaveScreenshot("main-window", frame);
}

} // namespace

} // namespace kesto::e2e
