// Folders as users give them: blanks, Chinese names, lengths around MAX_PATH, and a
// program folder that cannot be written or has lost its help page.
#include "main_form_fixture.h"

namespace kesto {
namespace {

// "D:\aaa…\aaa…" of exactly `length` characters, in parts a file system takes.
std::string LongFolder(std::size_t length) {
    std::string folder = "D:";
    while (folder.size() < length) {
        folder += "\\" + std::string(std::min<std::size_t>(100, length - folder.size() - 1), 'a');
    }
    return folder;
}

using FolderInputTest = MainFormTest;

TEST_F(FolderInputTest, FoldersWithBlanksChineseOrLongNamesAreMappedSavedAndRestoredWhole) {
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
        EXPECT_EQ(Messages(), std::vector<std::string>{"新的虚拟分区添加成功！"}) << folder;
        EXPECT_EQ(os.Mappings().at(letter), folder);
        ++letter;
    }
    const auto mapped = os.Mappings();
    Restart();
    EXPECT_EQ(os.Mappings(), mapped);
    EXPECT_EQ(Control(ui::listKesto).ListCount(), static_cast<int>(folders.size()));
}

TEST_F(FolderInputTest, ReadOnlyProgramFolderKeepsItsTableAndTheListIsStillFilled) {
    os.AddDrive('E', platform::kDriveFixed, false);
    os.moduleFileName = "E:\\Tools\\kesto.exe";
    const std::string saved = "[KESTO]\r\n0=X:\\: => D:\\Data\r\n";
    os.AddFile("E:\\Tools\\kesto.ini", saved);
    os.AddFolder("D:\\Data");
    Load();
    Control(ui::CmbFreedisk).Select("V:");
    Control(ui::CmbBusyDisk).Select("D:");
    Window().Click(ui::cmdcreate);
    // Told once, at the start-up's refresh: even deleting a key asks to write the file.
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{
                  "无法写入虚拟分区列表文件E:\\Tools\\kesto.ini，虚拟分区无法保存，"
                  "下次登录时将不会恢复。\r\n\r\n请把本程序移到你有写权限的文件夹中再运行。",
                  "新的虚拟分区添加成功！"}));
    EXPECT_EQ(Control(ui::listKesto).Items(),
              (std::vector<std::string>{"V:\\: => D:\\KESTO_V", "X:\\: => D:\\Data"}));
    EXPECT_EQ(os.FileContent("E:\\Tools\\kesto.ini"), saved);
}

} // namespace
} // namespace kesto
