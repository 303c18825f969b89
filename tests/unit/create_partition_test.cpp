#include "app/command_line.h"
#include "main_form_fixture.h"
#include "messages.h"

namespace kesto {
namespace {

using namespace messages;

// The rest of the quoting is proven by the mappings and the log-on entry it gives.
TEST(QuoteIfBlank, EscapesAQuoteInside) {
    EXPECT_EQ(app::QuoteIfBlank("a \"b\""), "\"a \\\"b\\\"\"");
}

// "D:\aaa…\aaa…" of exactly `length` characters, in parts a file system takes.
std::string LongFolder(std::size_t length) {
    std::string folder = "D:";
    while (folder.size() < length) {
        folder += "\\" + std::string(std::min<std::size_t>(100, length - folder.size() - 1), 'a');
    }
    return folder;
}

class CreatePartitionTest : public MainFormTest {
  protected:
    void Choose(const std::string& freeDisk, const std::string& busyDisk = {}) {
        if (!freeDisk.empty()) {
            ASSERT_TRUE(Control(ui::CmbFreedisk).Select(freeDisk));
        }
        if (!busyDisk.empty()) {
            ASSERT_TRUE(Control(ui::CmbBusyDisk).Select(busyDisk));
        }
    }
};

TEST_F(CreatePartitionTest, FolderLeftFromAnEarlierPartitionIsMappedAgainWithItsFiles) {
    os.AddFile("D:\\KESTO_X\\kept.txt", "data");
    Load();
    Choose("X:", "D:");
    Window().Click(ui::cmdcreate);
    EXPECT_EQ(Messages(), std::vector<std::string>{kMapped});
    EXPECT_EQ(os.FileContent("X:\\kept.txt"), "data");
}

TEST_F(CreatePartitionTest, LetterTakenMeanwhileIsReportedAndNoLongerOffered) {
    Load();
    Choose("X:", "D:");
    Map('X', "C:\\elsewhere");
    Window().Click(ui::cmdcreate);
    EXPECT_EQ(Messages(), std::vector<std::string>{kNotMapped});
    EXPECT_EQ(toolkit.messageBoxes.back().style, 64);
    const auto& free = Control(ui::CmbFreedisk).Items();
    EXPECT_EQ(std::find(free.begin(), free.end(), "X:"), free.end());
    EXPECT_EQ(Control(ui::listKesto).Items(), std::vector<std::string>{"X:\\: => C:\\elsewhere"});
}

TEST_F(CreatePartitionTest, ExistingFolderWithBlankAndChineseNameIsMappedThroughItsShortName) {
    os.AddFolder("D:\\My Data\\照片");
    os.SetShortName("D:\\My Data\\照片", "D:\\MYDATA~1\\C6AC~1");
    os.AddFolder("D:\\Long Name");
    Load();
    MapExisting("D:\\My Data\\照片", "X:");
    EXPECT_EQ(CallCount("CreateProcess subst X: D:\\MYDATA~1\\C6AC~1"), 1);

    // Without 8.3 names the long path comes back and must reach subst as one argument.
    MapExisting("D:\\Long Name\\", "Y:");
    EXPECT_EQ(CallCount("CreateProcess subst Y: \"D:\\Long Name\\\\\""), 1);
    EXPECT_EQ(os.Mappings().at('Y'), "D:\\Long Name");

    // A short form too long for the first buffer is asked for again.
    const std::string deep = LongFolder(250) + "\\Łódź";
    os.AddFolder(deep);
    os.SetShortName(deep, LongFolder(250) + "\\LODZ~1");
    MapExisting(deep, "Z:");
    EXPECT_EQ(os.Mappings().at('Z'), LongFolder(250) + "\\LODZ~1");
    EXPECT_EQ(Messages(), (std::vector<std::string>{kMapped, kMapped, kMapped}));
}

TEST_F(CreatePartitionTest, FoldersWithBlanksChineseOrLongNamesAreMappedSavedAndRestoredWhole) {
    const std::vector<std::string> folders = {"D:\\My Data", "D:\\照片 集\\新", LongFolder(248),
                                              LongFolder(249), LongFolder(259)};
    for (const std::string& folder : folders) {
        os.AddFolder(folder);
    }
    Load();
    char letter = 'E';
    for (const std::string& folder : folders) {
        toolkit.messageBoxes.clear();
        MapExisting(folder, std::string{letter, ':'});
        EXPECT_EQ(Messages(), std::vector<std::string>{kMapped}) << folder;
        EXPECT_EQ(os.Mappings().at(letter), folder);
        ++letter;
    }
    const auto mapped = os.Mappings();
    Restart();
    EXPECT_EQ(os.Mappings(), mapped);
    EXPECT_EQ(Control(ui::listKesto).ListCount(), static_cast<int>(folders.size()));
}

TEST_F(CreatePartitionTest, ModeSwitchShowsItsControlsAndKeepsTheirContents) {
    Load();
    ExistingFolderMode("C:\\Tools");
    EXPECT_FALSE(Control(ui::CmbBusyDisk).Visible());
    EXPECT_TRUE(Control(ui::TxtDirector).Visible());
    EXPECT_TRUE(Control(ui::CmdFindDirector).Visible());
    Window().Click(ui::Opt1_1);
    Window().Click(ui::Opt1_0);
    EXPECT_EQ(Control(ui::TxtDirector).Text(), "C:\\Tools");
}

TEST_F(CreatePartitionTest, FolderBrowserFillsTheTextBoxOnlyWhenAFolderIsChosen) {
    Load();
    ExistingFolderMode("C:\\before");
    Window().Click(ui::CmdFindDirector);
    EXPECT_EQ(Control(ui::TxtDirector).Text(), "C:\\before");
    os.browseResult = "D:\\照片";
    Window().Click(ui::CmdFindDirector);
    EXPECT_EQ(Control(ui::TxtDirector).Text(), "D:\\照片");
    EXPECT_EQ(CallCount("BrowseForFolder 请选择你所要虚拟为分区的目录"), 2);
    EXPECT_EQ(CallCount("FreeIdList"), 1);
    EXPECT_TRUE(os.Mappings().empty());
}

TEST_F(CreatePartitionTest, CommandRunsBehindTheProgressWindowWithTheMainWindowDisabled) {
    Load();
    toolkit.messageBoxes.clear();
    Choose("X:", "D:");
    bool sawProgress = false;
    os.RegisterProgram("subst", [&](const std::vector<std::string>& arguments) {
        fakes::FakeForm* working = toolkit.Form("FrmWorking");
        sawProgress |= !arguments.empty() && working && working->Visible() && !Window().Enabled() &&
                       working->Find(ui::lblView).Text() == kAdding;
        return std::optional<std::string>("");
    });
    toolkit.onMessageBox = [&](const fakes::MessageBoxRecord&) {
        EXPECT_TRUE(Window().Enabled());
        EXPECT_FALSE(toolkit.Form("FrmWorking")->Visible());
    };
    // Presses already queued when the pending events are processed, and the taskbar's Close.
    toolkit.onDoEvents = [&] {
        Window().QueuedClick(ui::cmdcreate);
        Window().QueuedClick(ui::cmddele);
        Window().RequestClose();
        Window().QueuedClick(ui::imgTitleClose);
    };
    Window().Click(ui::cmdcreate);
    EXPECT_TRUE(sawProgress);
    EXPECT_EQ(CallCount("CreateProcess subst X:"), 1);
    // The closes waited for the command and its message, and were one.
    EXPECT_EQ(Messages(), std::vector<std::string>{kMapped});
    EXPECT_FALSE(form->Loaded());
    EXPECT_EQ(toolkit.quits, 1);
    form.reset();
    EXPECT_EQ(std::count_if(toolkit.notifyCalls.begin(), toolkit.notifyCalls.end(),
                            [](const fakes::NotifyCall& call) {
                                return call.message == platform::kNimDelete;
                            }),
              1);
}

} // namespace
} // namespace kesto
