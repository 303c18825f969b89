// What a user does with the keyboard alone.
#include "kesto_test.h"

namespace kesto::e2e {

namespace {

using uidriver::Window;

// A key typed, and the control that has the focus afterwards.
struct Stroke {
    WORD key;
    bool shift;
    const char* focused;
};

// From cmddele, where the focus starts. Tab enters Opt1 at its checked button and passes hidden
// controls; an arrow key checks the other button of Opt1, which shows its own row of controls.
constexpr Stroke kCycle[] = {
    {VK_TAB, false, "listKesto"},   {VK_TAB, false, "cmdcreate"},
    {VK_TAB, false, "CmbBusyDisk"}, {VK_TAB, false, "Opt1(1)"},
    {VK_TAB, false, "CmbFreedisk"}, {VK_TAB, false, "cmddele"},
    {VK_TAB, true, "CmbFreedisk"},  {VK_TAB, true, "Opt1(1)"},
    {VK_DOWN, false, "Opt1(0)"},    {VK_TAB, false, "CmdFindDirector"},
    {VK_TAB, false, "TxtDirector"}, {VK_TAB, false, "CmbFreedisk"},
    {VK_TAB, true, "TxtDirector"},  {VK_TAB, true, "CmdFindDirector"},
    {VK_TAB, true, "Opt1(0)"},      {VK_TAB, true, "cmdcreate"},
    {VK_TAB, false, "Opt1(0)"},     {VK_LEFT, false, "Opt1(1)"},
    {VK_TAB, false, "CmbFreedisk"}, {VK_TAB, false, "cmddele"},
};

// With listKesto disabled.
constexpr Stroke kPastTheDisabledList[] = {{VK_TAB, false, "cmdcreate"}, {VK_TAB, true, "cmddele"}};

class Keyboard : public LaunchedKestoTest {
  protected:
    bool Focused(const char* control) const {
        const auto focused = uidriver::FocusedWindow(Main().Frame());
        return focused && focused->Handle() == Main().Control(control).Handle();
    }

    ::testing::AssertionResult Typed(const Stroke& stroke) const {
        uidriver::TypeKey(stroke.key, stroke.shift);
        if (uidriver::WaitUntil([&] { return Focused(stroke.focused); }, 5s)) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << (stroke.shift ? "Shift+" : "") << "key "
                                             << stroke.key << " did not focus " << stroke.focused;
    }
};

// Released alone, Alt would enter the menu mode of a window with a system menu; ours shows no
// menu bar, so the next key would be lost in it. A message is set off as the button tells its
// window of a click, which leaves the focus where it was: on the list, not on the first control
// of the tab order. Alt+Space opens the system menu, whose close command, as the taskbar's, ends
// the program.
TEST_F(Keyboard, WalksEveryStopInOrderPressesTheFocusedButtonAndOpensTheSystemMenu) {
    ASSERT_TRUE(uidriver::WaitUntil([&] { return Focused("cmddele"); }, 5s));
    const Window remove = Main().Control("cmddele");
    uidriver::PressKey(remove, VK_MENU, true);
    uidriver::PressKey(remove, VK_RETURN);
    EXPECT_EQ(AcknowledgeNextMessage(), messages::kNothingSelected);

    // No default or cancel button: a box would keep the focus from the Tab after each key.
    // Typed keys arrive in order, so once that Tab has moved the focus the key has been taken;
    // an Escape still on its way would close the next box.
    ASSERT_TRUE(Typed({VK_TAB, false, "listKesto"}));
    for (const WORD key : {VK_RETURN, VK_ESCAPE}) {
        uidriver::TypeKey(key);
        ASSERT_TRUE(Typed({VK_TAB, false, "cmdcreate"}));
        ASSERT_TRUE(Typed({VK_TAB, true, "listKesto"}));
    }
    EXPECT_FALSE(ShownMessage());

    Main().Frame().Post(WM_COMMAND, MAKEWPARAM(remove.ControlId(), BN_CLICKED),
                        reinterpret_cast<LPARAM>(remove.Handle()));
    EXPECT_EQ(AcknowledgeNextMessage(), messages::kNothingSelected);
    EXPECT_TRUE(uidriver::WaitUntil([&] { return Focused("listKesto"); }, 5s));

    ASSERT_TRUE(Typed({VK_TAB, true, "cmddele"}));
    for (const Stroke& stroke : kCycle) {
        ASSERT_TRUE(Typed(stroke));
    }

    // F4 drops the list down, ten lines tall, though it has more; Escape closes it.
    ASSERT_TRUE(Typed({VK_TAB, true, "CmbFreedisk"}));
    uidriver::TypeKey(VK_F4);
    const auto dropped = uidriver::WindowQuery("").OfProcess(Program().Id()).OfClass("ComboLBox");
    const Window list = uidriver::WaitForWindow(dropped, 5s);
    ASSERT_GT(list.Send(LB_GETCOUNT), 10);
    EXPECT_EQ(list.ScreenRect().height, 10 * static_cast<int>(list.Send(LB_GETITEMHEIGHT)) + 2);
    uidriver::TypeKey(VK_ESCAPE);
    EXPECT_TRUE(uidriver::WaitForNoWindow(dropped, 5s));
    ASSERT_TRUE(Typed({VK_TAB, false, "cmddele"}));
    EnableWindow(Main().Control("listKesto").Handle(), FALSE);
    for (const Stroke& stroke : kPastTheDisabledList) {
        ASSERT_TRUE(Typed(stroke));
    }

    uidriver::PressKey(remove, VK_SPACE, true);
    const auto menu = uidriver::WindowQuery("").OfProcess(Program().Id()).OfClass("#32768");
    EXPECT_NO_THROW(uidriver::WaitForWindow(menu, 5s));
    Main().Frame().Post(WM_CANCELMODE);
    EXPECT_TRUE(uidriver::WaitForNoWindow(menu, 5s));
    EXPECT_TRUE(Program().Running());
    Main().Frame().Post(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_TRUE(Program().WaitForExit(15s));
}

} // namespace

} // namespace kesto::e2e
