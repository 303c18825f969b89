// Folders and a program folder that the ANSI code page cannot spell, look-alike names best fit
// would give, listings in the OEM code page, and UTF-8 as the ANSI code page.
#include "main_form_fixture.h"

namespace kesto {
namespace {

class CodePageTest : public MainFormTest {
  protected:
    // A mapping made by a program that hands subst its folder in Unicode.
    void MapInUnicode(char letter, const std::string& folder) {
        const int codePage = static_cast<int>(os.AnsiCodePage());
        os.SetCodePage(65001);
        Map(letter, folder);
        os.SetCodePage(codePage);
    }
};

TEST_F(CodePageTest, FoldersTheCodePageCannotSpellAreMappedSavedAndRestoredByTheirShortForm) {
    os.SetCodePage(1252);
    os.AddFolder("D:\\照片");
    os.SetShortName("D:\\照片", "D:\\ZHAOPI~1");
    os.AddFolder("D:\\Łódź");
    os.SetShortName("D:\\Łódź", "D:\\ODZ~1");
    os.AddFolder("D:\\Kraków");
    os.browseResult = "D:\\照片";
    Load();
    ChooseExistingFolderMode();
    Window().Click(ui::CmdFindDirector);
    EXPECT_EQ(Control(ui::TxtDirector).Text(), "D:\\照片");
    ASSERT_TRUE(Control(ui::CmbFreedisk).Select("X:"));
    Window().Click(ui::cmdcreate);
    MapExisting("D:\\Łódź", "Y:");
    MapExisting("D:\\Kraków", "Z:");

    EXPECT_EQ(Messages(), std::vector<std::string>(3, "新的虚拟分区添加成功！"));
    const std::map<char, std::string> mapped = {
        {'X', "D:\\ZHAOPI~1"}, {'Y', "D:\\ODZ~1"}, {'Z', "D:\\Kraków"}};
    EXPECT_EQ(os.Mappings(), mapped);
    EXPECT_EQ(Ini(), "[KESTO]\r\n0=X:\\: => D:\\ZHAOPI~1\r\n1=Y:\\: => D:\\ODZ~1\r\n"
                     "2=Z:\\: => D:\\Krak\xF3w\r\n");
    Restart();
    EXPECT_EQ(os.Mappings(), mapped);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CodePageTest, FolderWithoutAShortFormTheCodePageCanSpellIsRefusedAndNothingIsMade) {
    os.SetCodePage(1252);
    os.AddFolder("D:\\照片");
    Load();
    const auto folders = os.Folders();
    MapExisting("D:\\照片", "X:");
    EXPECT_EQ(Messages(), std::vector<std::string>{"你选择的目录不正确"});
    EXPECT_TRUE(os.Mappings().empty());
    EXPECT_EQ(os.Folders(), folders);
    EXPECT_EQ(Ini(), "<none>");
}

TEST_F(CodePageTest, ALookAlikeFolderThatBestFitWouldNameIsNeverMapped) {
    os.SetCodePage(1252);
    os.AddFolder("D:\\Lódz");
    Load();
    MapExisting("D:\\Łódź", "X:");
    EXPECT_EQ(Messages(), std::vector<std::string>{"你选择的目录不正确"});
    EXPECT_TRUE(os.Mappings().empty());

    // Both there, and the one named has no short form.
    os.AddFolder("D:\\Łódź");
    toolkit.messageBoxes.clear();
    MapExisting("D:\\Łódź", "X:");
    EXPECT_EQ(Messages(), std::vector<std::string>{"你选择的目录不正确"});
    EXPECT_TRUE(os.Mappings().empty());

    os.SetShortName("D:\\Łódź", "D:\\ODZ~1");
    toolkit.messageBoxes.clear();
    MapExisting("D:\\Łódź", "X:");
    EXPECT_EQ(Messages(), std::vector<std::string>{"新的虚拟分区添加成功！"});
    EXPECT_EQ(os.Mappings(), (std::map<char, std::string>{{'X', "D:\\ODZ~1"}}));
}

TEST_F(CodePageTest, ProgramInAFolderTheCodePageCannotSpellKeepsItsTableRunValueAndHelp) {
    os.SetCodePage(1252);
    os.moduleFileName = "C:\\工具\\kesto.exe";
    os.AddFolder("C:\\工具");
    os.SetShortName("C:\\工具\\", "C:\\GONGJU~1\\");
    os.AddFolder("D:\\Data");
    Load();
    MapExisting("D:\\Data", "X:");
    EXPECT_EQ(os.FileContent("C:\\工具\\kesto.ini"), "[KESTO]\r\n0=X:\\: => D:\\Data\r\n");
    const auto& run =
        os.registry.at("HKCU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\KESTO");
    EXPECT_FALSE(run.unicode);
    EXPECT_EQ(run.data, std::string("C:\\GONGJU~1\\kesto.exe /auto") + '\0');
    Window().Click(ui::imgTitleHelp);
    EXPECT_EQ(os.shellExecuted, std::vector<std::string>{"file:///C:\\工具\\help.htm"});
}

TEST_F(CodePageTest, RunValueWithoutAShortFormTheCodePageCanSpellIsWrittenInUnicode) {
    os.SetCodePage(1252);
    os.moduleFileName = "C:\\工具 箱\\kesto.exe";
    os.AddFolder("C:\\工具 箱");
    Load();
    const auto& run =
        os.registry.at("HKCU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\KESTO");
    EXPECT_TRUE(run.unicode);
    EXPECT_EQ(run.type, platform::kRegSz);
    EXPECT_EQ(run.data, "\"C:\\工具 箱\\kesto.exe\" /auto");
}

// A mapping made outside the program, listed by a subst that writes in the OEM code page or in
// the ANSI one.
struct Listing {
    int codePage;
    std::string folder;
    bool oem;
};

class ListingCodePageTest : public CodePageTest, public ::testing::WithParamInterface<Listing> {};

TEST_P(ListingCodePageTest, ListingInEitherCodePageNamesTheFolderThatIsMapped) {
    const Listing& listing = GetParam();
    os.SetCodePage(listing.codePage);
    os.substListsInOem = listing.oem;
    Map('X', listing.folder);
    Load();
    const std::string line = "X:\\: => " + listing.folder;
    EXPECT_EQ(Control(ui::listKesto).Items(), std::vector<std::string>{line});
    const std::optional<std::string> ansiLine = os.ToAnsi(line);
    ASSERT_TRUE(ansiLine.has_value());
    EXPECT_EQ(Ini(), "[KESTO]\r\n0=" + *ansiLine + "\r\n");
    Restart();
    EXPECT_EQ(os.Mappings(), (std::map<char, std::string>{{'X', listing.folder}}));
    EXPECT_TRUE(Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    WesternAndCyrillic, ListingCodePageTest,
    // ü is 0x81 in code page 437 and Ш 0x98 in 866, bytes that 1252
    // and 1251 leave undefined.
    ::testing::Values(Listing{1252, "D:\\Café", true}, Listing{1252, "D:\\Café", false},
                      Listing{1252, "D:\\Müller", true}, Listing{1251, "D:\\Данные", true},
                      Listing{1251, "D:\\Данные", false}, Listing{1251, "D:\\Шкаф", true}),
    [](const ::testing::TestParamInfo<Listing>& info) {
        return "Cp" + std::to_string(info.param.codePage) +
               (info.param.oem ? "ListedInOem" : "ListedInAnsi") + std::to_string(info.index);
    });

TEST_F(CodePageTest, ListedFolderTheCodePageCannotSpellIsSavedByItsShortForm) {
    os.SetCodePage(1252);
    os.substListsInOem = true;
    // Σ is in code page 437 but not in 1252.
    MapInUnicode('X', "D:\\Σ data");
    os.SetShortName("D:\\Σ data", "D:\\DATA~1");
    MapInUnicode('Y', "D:\\Σ lost");
    Load();
    EXPECT_EQ(Control(ui::listKesto).Items(),
              (std::vector<std::string>{"X:\\: => D:\\Σ data", "Y:\\: => D:\\Σ lost"}));
    EXPECT_EQ(Ini(), "[KESTO]\r\n0=X:\\: => D:\\DATA~1\r\n");
    Restart();
    EXPECT_EQ(os.Mappings(), (std::map<char, std::string>{{'X', "D:\\DATA~1"}}));
}

} // namespace
} // namespace kesto
