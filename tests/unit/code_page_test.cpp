// What only the in-memory Windows can give: a program folder without a short form that the ANSI
// code page can spell, and listings in the OEM code page of folders the ANSI one cannot spell.
#include "main_form_fixture.h"

namespace kesto {
namespace {

using CodePageTest = MainFormTest;

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

TEST_F(CodePageTest, ListedFolderTheCodePageCannotSpellIsSavedByItsShortForm) {
    os.SetCodePage(1252);
    os.substListsInOem = true;
    // Σ is in code page 437 but not in 1252; subst was handed it in Unicode.
    Map('X', "D:\\Σ data");
    os.SetShortName("D:\\Σ data", "D:\\DATA~1");
    Map('Y', "D:\\Σ lost");
    Load();
    EXPECT_EQ(Control(ui::listKesto).Items(),
              (std::vector<std::string>{"X:\\: => D:\\Σ data", "Y:\\: => D:\\Σ lost"}));
    EXPECT_EQ(Ini(), "[KESTO]\r\n0=X:\\: => D:\\DATA~1\r\n");
    Restart();
    EXPECT_EQ(os.Mappings(), (std::map<char, std::string>{{'X', "D:\\DATA~1"}}));
}

} // namespace
} // namespace kesto
