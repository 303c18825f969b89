#include "app/command_line.h"
#include "main_form_fixture.h"

namespace kesto {
namespace {

TEST(QuoteIfBlank, QuotesOnlyPathsWithBlanksByTheRuntimeRules) {
    EXPECT_EQ(app::QuoteIfBlank("D:\\KESTO_X"), "D:\\KESTO_X");
    EXPECT_EQ(app::QuoteIfBlank("D:\\My Data"), "\"D:\\My Data\"");
    EXPECT_EQ(app::QuoteIfBlank("D:\\My Data\\"), "\"D:\\My Data\\\\\"");
    EXPECT_EQ(app::QuoteIfBlank("D:\\a\\\\b c"), "\"D:\\a\\\\b c\"");
    EXPECT_EQ(app::QuoteIfBlank("a \"b\""), "\"a \\\"b\\\"\"");
    EXPECT_EQ(app::MapCommandLine("X:", "D:\\My Data\\"), "subst X: \"D:\\My Data\\\\\"");
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
    std::string LastMessage() const { return toolkit.messageBoxes.back().text; }
    int LastStyle() const { return toolkit.messageBoxes.back().style; }
};

TEST_F(CreatePartitionTest, FolderLeftFromAnEarlierPartitionIsMappedAgainWithItsFiles) {
    os.AddFile("D:\\KESTO_X\\kept.txt", "data");
    Load();
    Choose("X:", "D:");
    Window().Click(ui::cmdcreate);
    EXPECT_EQ(Messages(), std::vector<std::string>{"新的虚拟分区添加成功！"});
    EXPECT_EQ(os.FileContent("X:\\kept.txt"), "data");
}

TEST_F(CreatePartitionTest, WrongChoicesAreRefusedWithTheirMessageAndFocus) {
    os.AddDrive('G', platform::kDriveCdrom, false);
    os.AddFile("C:\\file.txt");
    Load();

    ExistingFolderMode("C:\\Tools");
    Window().Click(ui::cmdcreate);
    EXPECT_EQ(LastMessage(), "请选择你新建虚拟分区所使用的盘符!");
    EXPECT_EQ(Window().FocusedControl(), "CmbFreedisk");

    Choose("X:");
    for (const char* folder : {"", "C:\\file.txt", "Q:\\nothing", "C:\\missing"}) {
        Control(ui::TxtDirector).SetText(folder);
        Window().Click(ui::cmdcreate);
        EXPECT_EQ(LastMessage(), "你选择的目录不正确") << folder;
        EXPECT_EQ(Window().FocusedControl(), "TxtDirector");
    }

    Window().Click(ui::Opt1_1);
    Window().Click(ui::cmdcreate);
    EXPECT_EQ(LastMessage(), "你尚未选择要从那一个磁盘分配空间！");
    EXPECT_EQ(Window().FocusedControl(), "CmbBusyDisk");

    Choose("X:", "G:");
    Window().Click(ui::cmdcreate);
    EXPECT_EQ(LastMessage(), "无法在你所指定的盘上创建新的虚拟分区，请确认你对此盘有写权限！");
    for (const auto& box : toolkit.messageBoxes) {
        EXPECT_EQ(box.style, 48);
    }
    EXPECT_EQ(CallCount("CreateProcess subst X:"), 0);
    EXPECT_TRUE(os.Mappings().empty());
}

TEST_F(CreatePartitionTest, LetterTakenMeanwhileIsReportedAndNoLongerOffered) {
    Load();
    Choose("X:", "D:");
    Map('X', "C:\\elsewhere");
    Window().Click(ui::cmdcreate);
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"虚拟分区未被成功建立!\r\n\r\n请确认你是否有足够的权限!"});
    EXPECT_EQ(LastStyle(), 64);
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
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"新的虚拟分区添加成功！", "新的虚拟分区添加成功！"}));
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

TEST_F(CreatePartitionTest, CreateNewDirectoryMakesEveryLevelAndReportsTheDeepest) {
    auto& main = Load();
    os.AddFolder("D:\\a");
    EXPECT_TRUE(main.CreateNewDirectory("D:\\a\\b"));
    EXPECT_FALSE(main.CreateNewDirectory("D:\\a\\b\\"));
    EXPECT_TRUE(main.CreateNewDirectory("D:\\x\\y\\z"));
    EXPECT_TRUE(os.FolderExists("D:\\x\\y\\z"));
}

TEST_F(CreatePartitionTest, ShortNameIsEmptyForMissingPathsAndWholeForLongOnes) {
    auto& main = Load();
    EXPECT_EQ(main.ShortName("C:\\missing"), "");
    const std::string deep = "D:\\" + std::string(150, 'a') + "\\" + std::string(105, 'b');
    os.AddFolder(deep);
    EXPECT_EQ(main.ShortName(deep), deep);
}

TEST_F(CreatePartitionTest, CommandRunsBehindTheProgressWindowWithTheMainWindowDisabled) {
    Load();
    toolkit.messageBoxes.clear();
    Choose("X:", "D:");
    bool sawProgress = false;
    os.RegisterProgram("subst", [&](const std::string& arguments) {
        fakes::FakeForm* working = toolkit.Form("FrmWorking");
        sawProgress |= !arguments.empty() && working && working->Visible() && !Window().Enabled() &&
                       working->Find(ui::lblView).Text() == "正在添加磁盘，请稍候……";
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
    EXPECT_EQ(toolkit.doEventsPasses, 1);
    EXPECT_EQ(CallCount("CreateProcess subst X:"), 1);
    // The closes waited for the command and its message, and were one.
    EXPECT_EQ(Messages(), std::vector<std::string>{"新的虚拟分区添加成功！"});
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
