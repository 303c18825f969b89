#include "main_form_fixture.h"
#include "messages.h"

namespace kesto {
namespace {

using namespace messages;

class SaveFailureTest : public MainFormTest {
  protected:
    void Create(const std::string& letter) {
        ASSERT_TRUE(Control(ui::CmbFreedisk).Select(letter));
        ASSERT_TRUE(Control(ui::CmbBusyDisk).Select("D:"));
        Window().Click(ui::cmdcreate);
    }
};

// Where ordinary users may not write, as under Program Files; started from the log-on entry, the
// program sees its folder by its short name.
TEST_F(SaveFailureTest, ReadOnlyFolderIsToldAfterTheFirstOutcomeByItsLongName) {
    os.AddDrive('E', platform::kDriveFixed, false);
    os.AddFolder("E:\\Kesto Tool");
    os.SetShortName("E:\\Kesto Tool", "E:\\KESTOT~1");
    os.moduleFileName = "E:\\KESTOT~1\\kesto.exe";
    Load();
    // Nothing to keep yet, so nothing was lost.
    EXPECT_TRUE(Messages().empty());

    Create("V:");
    EXPECT_EQ(os.Mappings().count('V'), 1u);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{kMapped, TableNotSaved("E:\\Kesto Tool\\kesto.ini")}));
    EXPECT_EQ(toolkit.messageBoxes.back().style, 48);

    EXPECT_EQ(os.FileContent("E:\\Kesto Tool\\kesto.ini"), std::nullopt);
}

TEST_F(SaveFailureTest, EveryWriteFailingWarnsOnceForTheWholeRun) {
    Map('X', "D:\\x");
    os.failing.insert("WritePrivateProfileString");
    Load();
    EXPECT_EQ(Messages(), std::vector<std::string>{TableNotSaved("C:\\Tools\\kesto.ini")});
    Create("V:");
    form->RefreshPartitions();
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{TableNotSaved("C:\\Tools\\kesto.ini"), kMapped}));
}

// The value a program folder the code page cannot spell needs goes in through another call.
TEST_F(SaveFailureTest, LogOnEntryInUnicodeThatCannotBeWrittenIsToldToo) {
    os.SetCodePage(1252);
    os.moduleFileName = "C:\\工具 箱\\kesto.exe";
    os.AddFolder("C:\\工具 箱");
    os.failing = {"RegSetStringValue"};
    Load();
    EXPECT_EQ(Messages(), std::vector<std::string>{kLogOnEntryNotSaved});
    EXPECT_EQ(CallCount("RegSetStringValue"), 1);
}

} // namespace
} // namespace kesto
