// What only the in-memory Windows can give: a program folder without a short form that the ANSI
// code page can spell, listings in the OEM code page of folders the ANSI one cannot spell, and a
// command line it cannot spell.
#include "command/dos_outputs.h"
#include "main_form_fixture.h"

namespace kesto {
namespace {

using CodePageTest = MainFormTest;

// A program folder without a short form that the code page can spell goes in as it is, in
// Unicode, rather than altered into a path that starts nothing.
TEST_F(CodePageTest, LogOnEntryQuotesItsPathInTheCodePageOrElseInUnicode) {
    os.moduleFileName = "D:\\工具 箱\\kesto.exe";
    os.AddFolder("D:\\工具 箱");
    const std::string ansi = "\"D:\\\xB9\xA4\xBE\xDF \xCF\xE4\\kesto.exe\" /auto";
    const struct {
        int codePage;
        std::string data;
        bool unicode;
    } runValues[] = {{936, ansi + '\0', false}, {1252, "\"D:\\工具 箱\\kesto.exe\" /auto", true}};
    for (const auto& [codePage, data, unicode] : runValues) {
        os.SetCodePage(codePage);
        Load();
        const auto& value =
            os.registry.at("HKCU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\KESTO");
        EXPECT_EQ(value.data, data);
        EXPECT_EQ(value.type, platform::kRegSz);
        EXPECT_EQ(value.unicode, unicode);
        if (!unicode) {
            EXPECT_EQ(value.size, value.data.size());
        }
    }
    os.SetCodePage(1252);
    os.failing = {"RegSetStringValue"};
    Load();
    EXPECT_EQ(Messages(), std::vector<std::string>{messages::kLogOnEntryNotSaved});
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

// The rest of the command runner is proven by the contract suite against the real calls, by the
// fault walk and by the decoder's fuzz target.
TEST_F(CodePageTest, CommandLineTheCodePageCannotSpellIsNotRun) {
    os.SetCodePage(1252);
    int runs = 0;
    os.RegisterProgram("subst", [&runs](const std::vector<std::string>&) {
        ++runs;
        return std::optional<std::string>("");
    });
    command::DOSOutputs runner(os, toolkit);
    runner.SetCommandLine("subst X: D:\\照片");
    EXPECT_EQ(runner.ExecuteCommand(), "");
    EXPECT_FALSE(runner.Completed());
    EXPECT_EQ(runs, 0);
    ASSERT_EQ(toolkit.messageBoxes.size(), 1u);
    EXPECT_EQ(toolkit.messageBoxes[0].text, "File or command not found");
    EXPECT_EQ(os.OpenHandleCount(), 0u);
}

} // namespace
} // namespace kesto
