#include "app/app_paths.h"
#include "main_form_fixture.h"

namespace kesto {
namespace {

TEST(AppPaths, FolderAlwaysEndsInOneBackslash) {
    EXPECT_EQ(app::AppPathsOf("D:\\kesto.exe").appPath, "D:\\");
    const app::AppPaths nested = app::AppPathsOf("D:\\My Tools\\v1.2\\Kesto.Tool.exe");
    EXPECT_EQ(nested.appPath, "D:\\My Tools\\v1.2\\");
    EXPECT_EQ(nested.exeTitle, "Kesto.Tool");
    EXPECT_EQ(nested.tableFilePath, "D:\\My Tools\\v1.2\\Kesto.Tool.ini");
}

using StartupTest = MainFormTest;

// A backup, a sync client or a scanner may hold the table just as the program starts. Told from a
// missing table even where the reads leave no error behind.
class HeldTable : public MainFormTest, public ::testing::WithParamInterface<bool> {};
INSTANTIATE_TEST_SUITE_P(StartupTest, HeldTable, ::testing::Bool());

TEST_P(HeldTable, IsWaitedForAWhileThenLeftAloneUntilItCanBeRead) {
    os.heldReadsLookMissing = GetParam();
    const std::string file = "C:\\Tools\\kesto.ini";
    os.AddFolder("D:\\Data");
    const std::string table = "[KESTO]\r\n0=W:\\: => D:\\Data\r\n1=x:\\: => D:\\Old\r\n";
    os.AddFolder("D:\\Old");
    os.AddFile(file, table);
    os.HoldFile(file, 2000);
    Load();
    EXPECT_EQ(os.Mappings().size(), 2u);
    EXPECT_TRUE(Messages().empty());

    os.AddFile(file, table);
    os.HoldFile(file);
    Restart();
    EXPECT_TRUE(os.Mappings().empty());
    const std::string notRead = messages::TableNotRead("C:\\Tools\\kesto.ini");
    EXPECT_EQ(Messages(), std::vector<std::string>{notRead});
    EXPECT_EQ(toolkit.messageBoxes[0].style, 48);
    MapExisting("D:\\Data", "Y:");
    EXPECT_EQ(Ini(), table);

    // Once it can be read, every save keeps the lines never made again, but for a letter taken:
    // that one is gone for good, even once its new partition is removed.
    os.ReleaseFile(file);
    MapExisting("D:\\Data", "X:");
    EXPECT_EQ(Ini(), "[KESTO]\r\n0=X:\\: => D:\\Data\r\n1=Y:\\: => D:\\Data\r\n"
                     "2=W:\\: => D:\\Data\r\n");
    Remove("X:\\: => D:\\Data");
    EXPECT_EQ(Ini(), "[KESTO]\r\n0=Y:\\: => D:\\Data\r\n1=W:\\: => D:\\Data\r\n");
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{notRead, messages::kMapped, messages::kMapped,
                                        messages::kConfirmRemoval, messages::kRemoved}));
}

// The icon it hides behind is proven on the real window (Startup).
TEST_F(StartupTest, OnlyTheExactAutoArgumentHidesTheWindow) {
    for (const char* commandLine :
         {"kesto.exe /AUTO", "kesto.exe /auto x", "kesto.exe /auto ", "kesto.exe"}) {
        os.commandLine = commandLine;
        Load();
        EXPECT_TRUE(Window().Visible()) << commandLine;
    }
    for (const char* commandLine : {"\"C:\\My Tools\\kesto.exe\" /auto", "kesto.exe \t /auto"}) {
        os.commandLine = commandLine;
        Load();
        EXPECT_FALSE(Window().Visible()) << commandLine;
    }
}

// Its shape, place on top and colours are proven on the real window.
TEST_F(StartupTest, WindowIsSkinnedAndOnTopBeforeItIsShown) {
    form = std::make_unique<app::MainForm>(os, toolkit);
    std::vector<std::string> callsBeforeShow;
    std::string captionAtShow;
    Window().OnShow([&] {
        if (callsBeforeShow.empty()) {
            for (const auto& call : toolkit.windowCalls) {
                callsBeforeShow.push_back(call.name);
            }
            captionAtShow = Window().Caption();
        }
    });
    form->Form_Load();
    EXPECT_EQ(callsBeforeShow,
              (std::vector<std::string>{"CreateRoundRectRgn", "SetWindowRgn", "SetWindowPos"}));
    EXPECT_EQ(toolkit.windowCalls[2].arguments[1],
              static_cast<std::intptr_t>(platform::kHwndTopmost));
    EXPECT_EQ(captionAtShow, "Tarvel");
}

// A close posted to the window (the taskbar, Alt+F4, a task manager) while a message box is up
// waits for the handler that showed it, and is then carried out.
TEST_F(StartupTest, CloseDuringAMessageBoxIsCarriedOutWhenTheHandlerEnds) {
    Map('X', "D:\\Data");
    Map('Y', "D:\\Other");
    toolkit.onMessageBox = [&](const fakes::MessageBoxRecord&) {
        toolkit.Form("frmMain")->RequestClose();
    };
    Load();
    Remove("X:\\: => D:\\Data");
    EXPECT_EQ(os.Mappings().count('X'), 0u);
    EXPECT_EQ(Ini(), "[KESTO]\r\n0=Y:\\: => D:\\Other\r\n");
    ExpectClosedOnce();
}

TEST_F(StartupTest, CloseDuringTheRestoreIsCarriedOutWhenStartUpEnds) {
    os.AddFile("C:\\Tools\\kesto.ini", "[KESTO]\r\n0=X:\\: => D:\\Data\r\n");
    toolkit.onDoEvents = [this] { toolkit.Form("frmMain")->RequestClose(); };
    Load();
    EXPECT_EQ(os.Mappings().at('X'), "D:\\Data");
    EXPECT_EQ(Ini(), "[KESTO]\r\n0=X:\\: => D:\\Data\r\n");
    ExpectClosedOnce();
}

} // namespace
} // namespace kesto
