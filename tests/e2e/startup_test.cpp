// What every start does before the user touches anything: make the saved partitions again,
// register the program to run at log-on, and with /auto wait in the notification area.
#include "kesto_test.h"

namespace kesto::e2e {

namespace {

using uidriver::MessageIcon;

class Startup : public KestoTest {
  protected:
    void SaveTable(const std::vector<std::string>& lines) const {
        for (size_t key = 0; key < lines.size(); ++key) {
            WritePrivateProfileStringW(L"KESTO", std::to_wstring(key).c_str(),
                                       uidriver::Widen(lines[key]).c_str(), IniFile().c_str());
        }
    }
};

TEST_F(Startup, MakesTheSavedPartitionsAgainAtLogOnAndWaitsBehindTheTrayIcon) {
    ASSERT_EQ(GetDriveTypeA("Q:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    const fs::path kept = NewFolder(L"kept");
    std::ofstream(kept / L"kept.txt") << "kept";
    const std::string chinese = ListedForm(NewFolder(L"保存的 文件"));
    const fs::path missing = kept / L"made again" / L"inner";
    const std::string lostLine = Line("R:", "Q:\\saved");
    // The line that cannot be restored lies between others, which must be restored all the same.
    // Two lie on W:, one before it in letter order, one after; their folders are made again once
    // W: is there.
    const std::vector<std::string> restored = {
        Line("T:", "W:\\t"), Line("W:", uidriver::Utf8Path(kept)),
        Line("X:", "W:\\made again\\inner"), Line("Y:", chinese)};
    SaveTable({restored[0], lostLine, restored[1], restored[2], restored[3]});

    // As at a log-on: hidden behind the tray icon until that is pressed.
    Start({"/auto", {}, {}, {}});
    const uidriver::MessageDialog box = NextMessage();
    EXPECT_EQ(box.Text(), messages::NotRestored("R:", "Q:\\saved"));
    EXPECT_EQ(box.Icon(), MessageIcon::Warning);
    Answer(box, IDOK);
    WaitUntilLoaded();
    const uidriver::Window& frame = Main().Frame();
    EXPECT_TRUE(uidriver::WaitUntil([&] { return !frame.Visible(); }, 10s));
    const auto tray = uidriver::TrayIcon::Of(Program().Id(), 10s);
    ASSERT_TRUE(tray.has_value()) << "no tray window";
    tray->Press(uidriver::MouseButton::Left);
    EXPECT_TRUE(uidriver::WaitUntil([&] { return frame.Visible(); }, 10s));
    // Minimised instead of hidden, the right button brings it back as well.
    Main().Press("imgTitleMinimize");
    ASSERT_TRUE(uidriver::WaitUntil([&] { return frame.Minimized(); }, 5s));
    tray->Press(uidriver::MouseButton::Right);
    EXPECT_TRUE(uidriver::WaitUntil([&] { return frame.Visible() && !frame.Minimized(); }, 10s));

    EXPECT_EQ(Mappings().List(), restored);
    EXPECT_TRUE(ShowsAndSavesTheListing());
    EXPECT_TRUE(fs::is_directory(missing));
    EXPECT_TRUE(fs::is_directory(kept / L"t"));
    EXPECT_TRUE(fs::exists(L"W:\\kept.txt"));

    const auto run = uidriver::ReadRegistryValue(HKEY_CURRENT_USER, kRunKey, "KESTO");
    ASSERT_TRUE(run.has_value()) << "the program did not register itself to run at log-on";
    EXPECT_EQ(run->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(run->text, ShortForm(Folder() / L"") + "kesto.exe /auto");
}

} // namespace

} // namespace kesto::e2e
