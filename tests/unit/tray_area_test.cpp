#include "fakes/fake_os.h"
#include "fakes/fake_toolkit.h"
#include "tray/tray_area.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

class TrayAreaTest : public ::testing::Test {
  protected:
    std::unique_ptr<tray::TrayArea> Make(std::uint32_t seed = 7) {
        tray::TrayAreaEvents events;
        events.MouseMove = [this] { raised.push_back("MouseMove"); };
        events.MouseDown = [this](std::int16_t b) {
            raised.push_back("MouseDown" + std::to_string(b));
        };
        events.MouseUp = [this](std::int16_t b) {
            raised.push_back("MouseUp" + std::to_string(b));
        };
        events.DblClick = [this] { raised.push_back("DblClick"); };
        events.PropertyChanged = [this](const std::string& p) { changed.push_back(p); };
        return std::make_unique<tray::TrayArea>(
            os, toolkit, [] { return platform::Handle{0x77}; }, std::move(events), seed);
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
    std::vector<std::string> raised;
    std::vector<std::string> changed;
};

TEST_F(TrayAreaTest, VisibleAddsOnceAndDeletesWithAFreshIdEachTime) {
    auto tray = Make();
    tray->SetVisible(-1);
    tray->SetVisible(-1);
    tray->SetVisible(0);
    tray->SetVisible(-1);
    EXPECT_EQ(Messages(), (std::vector<std::uint32_t>{0, 2, 0}));
    EXPECT_EQ(changed, (std::vector<std::string>{"Visible", "Visible", "Visible"}));
    const auto& add = toolkit.notifyCalls[0].data;
    EXPECT_EQ(add.cbSize, 88u);
    EXPECT_EQ(add.uFlags, 7u);
    EXPECT_EQ(add.uCallbackMessage, 512u);
    EXPECT_EQ(add.hIcon, 0x77u);
    EXPECT_EQ(std::string(add.szTip, 8), std::string("Tarvel\0 ", 8));
    EXPECT_EQ(add.szTip[63], ' ');
    EXPECT_NE(toolkit.notifyCalls[0].data.uID, toolkit.notifyCalls[2].data.uID);
    tray.reset();
    EXPECT_EQ(Messages().back(), 2u);
}

TEST_F(TrayAreaTest, ToolTipIsTrimmedSentAloneAndForgottenByTheNextAdd) {
    auto tray = Make();
    tray->SetToolTip("  hello  ");
    const auto& modify = toolkit.notifyCalls[0];
    EXPECT_EQ(modify.message, 1u);
    EXPECT_EQ(modify.data.uFlags, 4u);
    EXPECT_EQ(std::string(modify.data.szTip, 7), std::string("hello\0 ", 7));
    EXPECT_EQ(changed, std::vector<std::string>{"ToolTip"});
    tray->SetVisible(-1);
    EXPECT_EQ(std::string(tray->NotifyData().szTip), "Tarvel");
    tray->SetToolTip(std::string(70, 'x'));
    EXPECT_EQ(std::string(tray->NotifyData().szTip, 64), std::string(64, 'x'));
}

TEST_F(TrayAreaTest, TeardownWithoutAnAddSendsAnEmptyRecord) {
    Make().reset();
    ASSERT_EQ(toolkit.notifyCalls.size(), 1u);
    EXPECT_EQ(toolkit.notifyCalls[0].message, 2u);
    EXPECT_EQ(toolkit.notifyCalls[0].data.cbSize, 0u);
    EXPECT_EQ(toolkit.notifyCalls[0].data.hWnd, 0u);
}

TEST_F(TrayAreaTest, ShellCallbacksBecomeEvents) {
    auto tray = Make();
    for (int message : {512, 513, 514, 515, 516, 517, 518, 519, 34}) {
        toolkit.Tray()->OnMouseMove(message);
    }
    EXPECT_EQ(raised, (std::vector<std::string>{"MouseMove", "MouseDown1", "MouseUp1", "DblClick",
                                                "MouseDown2", "MouseUp2"}));
}

TEST_F(TrayAreaTest, RestartedShellGetsTheIconBackOnlyWhenShown) {
    auto tray = Make();
    toolkit.Tray()->OnTaskbarCreated();
    EXPECT_TRUE(toolkit.notifyCalls.empty());
    tray->SetVisible(-1);
    toolkit.Tray()->OnTaskbarCreated();
    ASSERT_EQ(Messages(), (std::vector<std::uint32_t>{0, 0}));
    EXPECT_EQ(toolkit.notifyCalls[1].data.uID, toolkit.notifyCalls[0].data.uID);
}

} // namespace
} // namespace kesto
