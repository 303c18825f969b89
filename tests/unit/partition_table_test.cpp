#include "app/subst_line.h"
#include "main_form_fixture.h"

namespace kesto {
namespace {

TEST(SplitListing, TakesEveryLineEndedByCrLfAndKeepsEmptyOnes) {
    EXPECT_EQ(app::SplitListing("E:\\: => C:\\Data\r\n\r\nF:\\: => D:\\x\r\n"),
              (std::vector<std::string>{"E:\\: => C:\\Data", "", "F:\\: => D:\\x"}));
    EXPECT_EQ(app::SplitListing("E:\\: => C:\\Data\r\nF:\\: => D:\\unfinished"),
              std::vector<std::string>{"E:\\: => C:\\Data"});
    EXPECT_TRUE(app::SplitListing("no line break").empty());
    EXPECT_TRUE(app::SplitListing("").empty());
    EXPECT_EQ(app::SplitListing("a\nb\r\n"), std::vector<std::string>{"a\nb"});
}

TEST(SubstLine, DriveAndFolderAreCountedInCharacters) {
    EXPECT_EQ(app::DriveOf("F:\\: => D:\\照片"), "F:");
    EXPECT_EQ(app::FolderOf("F:\\: => D:\\照片"), "D:\\照片");
    EXPECT_EQ(app::FolderOf("F:\\: =>"), "");
}

using PartitionTableTest = MainFormTest;

TEST_F(PartitionTableTest, TableAndListMirrorTheListingInItsOrder) {
    Map('F', "D:\\照片");
    Map('E', "C:\\Data");
    Load();
    EXPECT_EQ(Control(ui::listKesto).Items(),
              (std::vector<std::string>{"E:\\: => C:\\Data", "F:\\: => D:\\照片"}));
    // Stored in the ANSI code page, exactly as listed.
    EXPECT_EQ(Ini(), "[KESTO]\r\n0=E:\\: => C:\\Data\r\n1=F:\\: => D:\\\xD5\xD5\xC6\xAC\r\n");
}

TEST_F(PartitionTableTest, TableSurvivesWhenTheListingCannotBeRun) {
    const std::string saved = "[KESTO]\r\n0=E:\\: => C:\\Data\r\n";
    os.AddFile("C:\\Tools\\kesto.ini", saved);
    os.AddFolder("C:\\Data");
    os.failing.insert("CreateProcess");
    Load();
    EXPECT_EQ(Ini(), saved);
    EXPECT_EQ(Control(ui::listKesto).ListCount(), 0);
    EXPECT_NE(std::find(Messages().begin(), Messages().end(), "File or command not found"),
              Messages().end());
}

TEST_F(PartitionTableTest, TableSurvivesAListingCutByAFailedRead) {
    const std::string folder = "D:\\" + std::string(120, 'f');
    Map('E', folder);
    Map('F', folder + "\\g");
    Load();
    const std::string saved = Ini();
    Map('G', "D:\\g");
    // The listing is longer than one read; its second one fails.
    os.FailOnce("ReadFile", CallCount("ReadFile") + 2);
    form->RefreshPartitions();
    EXPECT_EQ(Ini(), saved);
    EXPECT_TRUE(Messages().empty());
    form->RefreshPartitions();
    EXPECT_NE(Ini(), saved);
}

TEST_F(PartitionTableTest, FillListSortsEveryLetterIntoOneListWithNothingChosen) {
    os.AddDrive('A', platform::kDriveRemovable);
    os.AddDrive('G', platform::kDriveCdrom, false);
    os.AddDrive('N', platform::kDriveRemote);
    os.AddDrive('U', platform::kDriveUnknown);
    os.AddDrive('R', platform::kDriveRamdisk);
    Map('X', "D:\\x");
    Load();
    EXPECT_EQ(Control(ui::CmbBusyDisk).Items(),
              (std::vector<std::string>{"A:", "C:", "D:", "G:", "N:", "R:", "U:", "X:"}));
    EXPECT_EQ(Control(ui::CmbFreedisk).Items().size(), 18u);
    EXPECT_EQ(Control(ui::CmbFreedisk).Items().front(), "B:");

    Control(ui::CmbFreedisk).Select("B:");
    Control(ui::CmbBusyDisk).Select("D:");
    form->FillList();
    EXPECT_EQ(Control(ui::CmbFreedisk).ListIndex(), -1);
    EXPECT_EQ(Control(ui::CmbBusyDisk).ListIndex(), -1);
    EXPECT_EQ(CallCount("GetDriveType a:"), 2);
}

} // namespace
} // namespace kesto
