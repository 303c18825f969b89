#include "main_form_fixture.h"

namespace kesto {
namespace {

const std::string kMapped = "新的虚拟分区添加成功！";

std::string TableWarning(const std::string& file) {
    return "无法写入虚拟分区列表文件" + file +
           "，虚拟分区无法保存，下次登录时将不会恢复。\r\n\r\n"
           "请把本程序移到你有写权限的文件夹中再运行。";
}

const std::string kLogOnWarning = "无法写入登录时的启动项，下次登录时本程序将不会自动运行，"
                                  "保存的虚拟分区要在你手动运行本程序后才会恢复。";

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
              (std::vector<std::string>{kMapped, TableWarning("E:\\Kesto Tool\\kesto.ini")}));
    EXPECT_EQ(toolkit.messageBoxes.back().style, 48);

    EXPECT_EQ(os.FileContent("E:\\Kesto Tool\\kesto.ini"), std::nullopt);
}

TEST_F(SaveFailureTest, EveryWriteFailingWarnsOnceForTheWholeRun) {
    Map('X', "D:\\x");
    os.failing.insert("WritePrivateProfileString");
    Load();
    EXPECT_EQ(Messages(), std::vector<std::string>{TableWarning("C:\\Tools\\kesto.ini")});
    Create("V:");
    form->RefreshPartitions();
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{TableWarning("C:\\Tools\\kesto.ini"), kMapped}));
}

// The value a program folder the code page cannot spell needs goes in through another call.
TEST_F(SaveFailureTest, LogOnEntryInUnicodeThatCannotBeWrittenIsToldToo) {
    os.SetCodePage(1252);
    os.moduleFileName = "C:\\工具 箱\\kesto.exe";
    os.AddFolder("C:\\工具 箱");
    os.failing = {"RegSetStringValue"};
    Load();
    EXPECT_EQ(Messages(), std::vector<std::string>{kLogOnWarning});
    EXPECT_EQ(CallCount("RegSetStringValue"), 1);
}

} // namespace
} // namespace kesto
