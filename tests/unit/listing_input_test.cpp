// Listings with odd lines: every whole line is shown, only the table's own keys are written, and
// a line picked for removal that is no mapping removes nothing.
#include "fakes/ini_text.h"
#include "main_form_fixture.h"

namespace kesto {
namespace {

using ListingInputTest = MainFormTest;

TEST_F(ListingInputTest, OddLinesAreListedAndOnlyTheTableKeysAreWritten) {
    os.AddFile("C:\\Tools\\kesto.ini", "[KESTO]\r\n26=beyond\r\n");
    std::string listing = "\r\nX:\\: => D:\\Data\r\nab\r\nodd\n30=injected\r\n";
    for (int i = 0; i < 30; ++i) {
        listing += "Q:\\: => D:\\q" + std::to_string(i) + "\r\n";
    }
    listing += "no final line break";
    os.RegisterProgram("subst", [&](const std::string& arguments) {
        return std::optional(arguments.empty() ? listing : "Invalid parameter - " + arguments);
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
    EXPECT_EQ(fakes::IniValue(ini, "KESTO", "26"), "beyond");
    EXPECT_EQ(fakes::IniValue(ini, "KESTO", "30"), std::nullopt);

    toolkit.messageBoxes.clear();
    Control(ui::listKesto).Select("ab");
    Window().Click(ui::cmddele);
    Control(ui::listKesto).Select("");
    Window().Click(ui::cmddele);
    EXPECT_EQ(CallCount("CreateProcess subst ab /d"), 1);
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[1], "你所指定的虚拟分区未被移除，可能此分区正在使用中。\r\n\r\n"
                             "你可以关闭正在打开的文件或重启计算机后再进行移除!");
    EXPECT_EQ(Messages()[2], "请首先选中“已有虚拟硬盘”列表中的硬盘后再点击移除!");
}

} // namespace
} // namespace kesto
