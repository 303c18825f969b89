#include "main_form_fixture.h"
#include "ui/frm_working.h"

#include <string>
#include <utility>

namespace kesto {
namespace {

using WindowShellTest = MainFormTest;

TEST_F(WindowShellTest, AnyButtonOnTheTitleDragsButTheTitleButtonsDoNot) {
    Load();
    toolkit.windowCalls.clear();
    const ui::Name<platform::Control> title[] = {ui::imgTitleLeft, ui::imgTitleMain,
                                                 ui::imgTitleRight, ui::lblTitle};
    for (const auto control : title) {
        Window().MouseDown(control, 2);
    }
    Window().MouseDown(ui::imgTitleClose, 1);
    Window().MouseDown(ui::imgWindowLeft, 1);
    ASSERT_EQ(toolkit.windowCalls.size(), 8u);
    EXPECT_EQ(toolkit.windowCalls[0].name, "ReleaseCapture");
    EXPECT_EQ(toolkit.windowCalls[1].arguments,
              (std::vector<std::intptr_t>{static_cast<std::intptr_t>(Window().WindowHandle()), 0xA1,
                                          2, 0}));
}

TEST_F(WindowShellTest, ListToolTipShowsTheWholeEntryUnderThePointer) {
    Map('X', "D:\\a");
    Map('Y', "D:\\" + std::string(80, 'b'));
    Load();
    auto& list = Control(ui::listKesto);
    Window().MouseMove(ui::listKesto, 0, 5, fakes::FakeToolkit::kItemHeight + 2);
    EXPECT_EQ(list.ToolTipText(), list.List(1));
    Window().MouseMove(ui::listKesto, 1, 5, 2);
    EXPECT_EQ(list.ToolTipText(), list.List(1));
    Window().MouseMove(ui::listKesto, 0, 5, 120);
    EXPECT_EQ(list.ToolTipText(), "");
}

// The progress window opens on the primary screen; moved over a main window on a screen of
// another density, it takes that density's size, and still stands in the middle, from the
// first time it is placed.
TEST_F(WindowShellTest, ProgressWindowStandsCentredOverAMainWindowOnAScreenOfAnotherScale) {
    for (const auto& [primaryDpi, secondDpi] : {std::pair{96, 144}, {144, 96}, {120, 192}}) {
        SCOPED_TRACE(std::to_string(primaryDpi) + " then " + std::to_string(secondDpi) + " dpi");
        toolkit.screens = {{{0, 0, 1024, 768}, primaryDpi}, {{1024, -200, 1600, 1200}, secondDpi}};
        Load();
        Window().Move({1300, 0});
        ui::FrmWorking progress(toolkit, Window());
        progress.SetView("x");
        const fakes::FakeForm* working = toolkit.Form("FrmWorking");
        ASSERT_NE(working, nullptr);

        const platform::ScreenRect main = Window().Bounds();
        const platform::ScreenRect placed = working->Bounds();
        EXPECT_EQ(main.width, 356 * secondDpi / 96);
        EXPECT_EQ(placed.width, working->Area().width * secondDpi / 96);
        EXPECT_EQ(placed.height, working->Area().height * secondDpi / 96);
        EXPECT_NEAR(placed.left + placed.width / 2.0, main.left + main.width / 2.0, 0.5);
        EXPECT_NEAR(placed.top + placed.height / 2.0, main.top + main.height / 2.0, 0.5);
        progress.Unload();
        form.reset();
    }
}

} // namespace
} // namespace kesto
