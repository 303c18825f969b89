#include "app/subst_line.h"
#include "main_form_fixture.h"

namespace kesto {
namespace {

TEST(SubstLine, DriveAndFolderAreCountedInCharacters) {
    EXPECT_EQ(app::DriveOf("F:\\: => D:\\照片"), "F:");
    EXPECT_EQ(app::FolderOf("F:\\: => D:\\照片"), "D:\\照片");
    EXPECT_EQ(app::FolderOf("F:\\: =>"), "");
}

using PartitionTableTest = MainFormTest;

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
