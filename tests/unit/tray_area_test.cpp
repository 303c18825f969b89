#include "fakes/fake_os.h"
#include "fakes/fake_toolkit.h"
#include "tray/tray_area.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

class TrayAreaTest : public ::testing::Test {
  protected:
    std::unique_ptr<tray::TrayArea> Make() {
        return std::make_unique<tray::TrayArea>(
            os, toolkit, [] { return platform::Handle{0x77}; }, [this] { ++presses; }, 7);
    }
    std::vector<std::uint32_t> Messages() const {
        std::vector<std::uint32_t> messages;
        for (const auto& call : toolkit.notifyCalls) {
            messages.push_back(call.message);
        }
        return messages;
    }

    fakes::FakeOs os;
    fakes::FakeToolkit toolkit;
    int presses = 0;
};

// A restarted shell gets the icon back only while it is shown, under the same id.
TEST_F(TrayAreaTest, AddedOnceAgainForARestartedShellAndWithAFreshIdAfterADelete) {
    auto tray = Make();
    tray->SetVisible(-1);
    tray->SetVisible(-1);
    toolkit.Tray()->OnTaskbarCreated();
    tray->SetVisible(0);
    toolkit.Tray()->OnTaskbarCreated();
    tray->SetVisible(-1);
    EXPECT_EQ(Messages(), (std::vector<std::uint32_t>{0, 0, 2, 0}));
    const auto& add = toolkit.notifyCalls[0].data;
    EXPECT_EQ(add.cbSize, 88u);
    EXPECT_EQ(add.uFlags, 7u);
    EXPECT_EQ(add.uCallbackMessage, 512u);
    EXPECT_EQ(add.hIcon, 0x77u);
    EXPECT_EQ(std::string(add.szTip, 8), std::string("Tarvel\0 ", 8));
    EXPECT_EQ(add.szTip[63], ' ');
    EXPECT_EQ(toolkit.notifyCalls[1].data.uID, add.uID);
    EXPECT_NE(toolkit.notifyCalls[3].data.uID, add.uID);
}

// Only a press of the left or the right button on the icon brings the window back.
TEST_F(TrayAreaTest, PressesOfEitherButtonAreReported) {
    auto tray = Make();
    tray->SetVisible(-1);
    for (int message : {512, 513, 514, 515, 516, 517, 518, 519, 34}) {
        toolkit.Tray()->OnMouseMove(message);
    }
    EXPECT_EQ(presses, 2);
}

} // namespace
} // namespace kesto
