// The partition list read from subst, shown and saved, and the drive lists: odd listings, a
// program folder that cannot be written, a removal that subst refuses.
#include "fakes/ini_text.h"
#include "main_form_fixture.h"

namespace kesto {
namespace {

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
}

TEST_F(PartitionTableTest, OddLinesAreListedAndOnlyTheTableKeysAreWritten) {
    os.AddFile("C:\\Tools\\kesto.ini", "[KESTO]\r\n26=beyond\r\n");
    std::string listing = "\r\nX:\\: => D:\\Data\r\nab\r\nodd\n30=injected\r\n";
    for (int i = 0; i < 30; ++i) {
        listing += "Q:\\: => D:\\q" + std::to_string(i) + "\r\n";
    }
    listing += "no final line break";
    os.RegisterProgram("subst", [&](const std::vector<std::string>& arguments) {
        return std::optional(arguments.empty() ? listing : "Invalid parameter\r\n");
    });
    Load();

    const auto& items = Control(ui::listKesto).Items();
    ASSERT_EQ(items.size(), 34u);
    EXPECT_EQ(items[2], "ab");
    EXPECT_EQ(items.back(), "Q:\\: => D:\\q29");
    const std::string ini = Ini();
    EXPECT_EQ(fakes::IniValue(ini, "KESTO", "0"), "");
    EXPECT_EQ(fakes::IniValue(ini, "KESTO", "3"), std::nullopt);
    EXPECT_EQ(fakes::IniValue(ini, "KESTO", "25"), "Q:\\: => D:\\q21");
    EXPECT_EQ(fakes::IniValue(ini, "KESTO", "30"), std::nullopt);

    toolkit.messageBoxes.clear();
    Remove("ab");
    EXPECT_EQ(CallCount("CreateProcess subst ab /d"), 1);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{messages::kConfirmRemoval, messages::kNotRemoved}));
}

// Where ordinary users may not write, as under Program Files; started from the log-on entry, the
// program sees its folder by its short name. Told once a run, after the first outcome.
TEST_F(PartitionTableTest, ReadOnlyProgramFolderKeepsItsTableAndIsToldByItsLongName) {
    os.AddDrive('E', platform::kDriveFixed, false);
    os.AddFolder("E:\\Kesto Tool");
    os.SetShortName("E:\\Kesto Tool", "E:\\KESTOT~1");
    os.moduleFileName = "E:\\KESTOT~1\\kesto.exe";
    const std::string file = "E:\\Kesto Tool\\kesto.ini";
    Load();
    // Nothing to keep yet, so nothing was lost.
    EXPECT_TRUE(Messages().empty());
    Create("V:", "D:");
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{messages::kMapped, messages::TableNotSaved(file)}));
    EXPECT_EQ(toolkit.messageBoxes.back().style, 48);
    EXPECT_EQ(os.FileContent(file), std::nullopt);

    // Started by hand on a table put there by someone who may write: told at the start-up's
    // refresh, since even deleting a key asks to write the file.
    const std::string saved = "[KESTO]\r\n0=X:\\: => D:\\Data\r\n";
    os.AddFile(file, saved);
    os.AddFolder("D:\\Data");
    os.moduleFileName = "E:\\Kesto Tool\\kesto.exe";
    Restart();
    Create("W:", "D:");
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{messages::TableNotSaved(file), messages::kMapped}));
    EXPECT_EQ(Control(ui::listKesto).Items(),
              (std::vector<std::string>{"W:\\: => D:\\KESTO_W", "X:\\: => D:\\Data"}));
    EXPECT_EQ(os.FileContent(file), saved);
}

} // namespace
} // namespace kesto
