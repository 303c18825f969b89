#include "app/command_line.h"
#include "main_form_fixture.h"

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

using CreatePartitionTest = MainFormTest;

TEST_F(CreatePartitionTest, FolderLeftFromAnEarlierPartitionIsMappedAgainWithItsFiles) {
    os.AddFile("D:\\KESTO_X\\kept.txt", "data");
    Load();
    Create("X:", "D:");
    EXPECT_EQ(Messages(), std::vector<std::string>{kMapped});
    EXPECT_EQ(os.FileContent("X:\\kept.txt"), "data");
}

TEST_F(CreatePartitionTest, LetterTakenMeanwhileIsReportedAndNoLongerOffered) {
    Load();
    Map('X', "C:\\elsewhere");
    Create("X:", "D:");
    EXPECT_EQ(Messages(), std::vector<std::string>{kNotMapped});
    EXPECT_EQ(toolkit.messageBoxes.back().style, 64);
    const auto& free = Control(ui::CmbFreedisk).Items();
    EXPECT_EQ(std::find(free.begin(), free.end(), "X:"), free.end());
    EXPECT_EQ(Control(ui::listKesto).Items(), std::vector<std::string>{"X:\\: => C:\\elsewhere"});
}

// Handed to subst by the short form where there is one, else quoted whole; saved and restored as
// mapped.
TEST_F(CreatePartitionTest, FoldersWithBlanksChineseOrLongNamesAreMappedSavedAndRestoredWhole) {
    struct Folder {
        std::string chosen;
        std::string shortForm; // empty: none
        std::string mapped;
    };
    // A short form too long for the first buffer is asked for again.
    const std::string deep = LongFolder(250) + "\\Łódź";
    const std::vector<Folder> folders = {
        {"D:\\My Data\\照片", "D:\\MYDATA~1\\C6AC~1", "D:\\MYDATA~1\\C6AC~1"},
        {"D:\\Long Name\\", "", "D:\\Long Name"},
        {deep, LongFolder(250) + "\\LODZ~1", LongFolder(250) + "\\LODZ~1"},
        {"D:\\照片 集\\新", "", "D:\\照片 集\\新"},
        {LongFolder(248), "", LongFolder(248)},
        {LongFolder(249), "", LongFolder(249)},
        {LongFolder(259), "", LongFolder(259)}};
    for (const Folder& folder : folders) {
        os.AddFolder(folder.chosen);
        if (!folder.shortForm.empty()) {
            os.SetShortName(folder.chosen, folder.shortForm);
        }
    }
    Load();
    char letter = 'E';
    for (const Folder& folder : folders) {
        toolkit.messageBoxes.clear();
        MapExisting(folder.chosen, std::string{letter, ':'});
        EXPECT_EQ(Messages(), std::vector<std::string>{kMapped}) << folder.chosen;
        EXPECT_EQ(os.Mappings().at(letter), folder.mapped);
        ++letter;
    }
    const auto mapped = os.Mappings();
    Restart();
    EXPECT_EQ(os.Mappings(), mapped);
    EXPECT_EQ(Control(ui::listKesto).ListCount(), static_cast<int>(folders.size()));
}

// Which controls each mode shows, the keyboard walk proves on the real window.
TEST_F(CreatePartitionTest, ModeSwitchKeepsTheTypedFolder) {
    Load();
    ExistingFolderMode("C:\\Tools");
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

// The progress window and the disabled main window while subst runs are proven on the real
// window (ProgressWindow); here, what waits for the command to end.
TEST_F(CreatePartitionTest, InputQueuedDuringTheCommandWaitsForItAndItsMessage) {
    Load();
    toolkit.messageBoxes.clear();
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
    Create("X:", "D:");
    // The closes waited for the command and its message, and were one.
    EXPECT_EQ(Messages(), std::vector<std::string>{kMapped});
    ExpectClosedOnce();
}

} // namespace
} // namespace kesto
