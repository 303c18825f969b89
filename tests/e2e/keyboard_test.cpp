// What a user does with the keyboard alone.
#include "kesto_test.h"

#include "uidriver/find.h"
#include "uidriver/keyboard.h"
#include "uidriver/poll.h"

#include <windows.h>

namespace kesto::e2e {

namespace {

using namespace std::chrono_literals;
using uidriver::Window;

using Keyboard = LaunchedKestoTest;

bool HasFocus(const Window& main, const Window& control) {
    const auto focused = uidriver::FocusedWindow(main);
    return focused && focused->Handle() == control.Handle();
}

bool MessageShowing(DWORD process) {
    return uidriver::FindFirstWindow(
               uidriver::WindowQuery("Tarvel").OfProcess(process).OfClass("#32770"))
        .has_value();
}

TEST_F(Keyboard, EnterPressesTheFocusedButtonButThereIsNoDefaultOrCancelButton) {
    const Window remove = Main().Control("cmddele");
    ASSERT_TRUE(uidriver::WaitUntil([&] { return HasFocus(Main().Frame(), remove); }, 5s));
    uidriver::PressKey(remove, VK_RETURN);
    EXPECT_EQ(AcknowledgeNextMessage(), "请首先选中“已有虚拟硬盘”列表中的硬盘后再点击移除!");

    const Window list = Main().Control("listKesto");
    ASSERT_TRUE(uidriver::WaitUntil([&] { return HasFocus(Main().Frame(), remove); }, 5s));
    uidriver::PressKey(remove, VK_TAB);
    ASSERT_TRUE(uidriver::WaitUntil([&] { return HasFocus(Main().Frame(), list); }, 5s));
    uidriver::PressKey(list, VK_RETURN);
    uidriver::PressKey(list, VK_ESCAPE);
    WaitUntilIdle();
    EXPECT_FALSE(MessageShowing(Program().Id()));
    EXPECT_TRUE(HasFocus(Main().Frame(), list));
}

// Released alone, Alt would enter the menu mode of a window with a system menu; ours shows no
// menu bar, so the next key would be lost in it.
TEST_F(Keyboard, AltPressedAloneLeavesTheNextKeyToTheWindow) {
    const Window remove = Main().Control("cmddele");
    ASSERT_TRUE(uidriver::WaitUntil([&] { return HasFocus(Main().Frame(), remove); }, 5s));
    uidriver::PressKey(remove, VK_MENU, true);
    uidriver::PressKey(remove, VK_RETURN);
    EXPECT_EQ(AcknowledgeNextMessage(), "请首先选中“已有虚拟硬盘”列表中的硬盘后再点击移除!");
}

} // namespace

} // namespace kesto::e2e
