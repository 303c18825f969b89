#include "app/subst_line.h"
#include "main_form_fixture.h"

namespace kesto {
namespace {

TEST(CarriesAnotherMapping, ComparesTheTargetDriveLetterExactly) {
    const std::vector<std::string> items = {"X:\\: => D:\\Data", "Y:\\: => X:\\Sub",
                                            "Z:\\: => x:\\lower", "", "W:\\: =>"};
    EXPECT_TRUE(app::CarriesAnotherMapping(items, items[0]));
    EXPECT_FALSE(app::CarriesAnotherMapping(items, items[1]));
    EXPECT_FALSE(app::CarriesAnotherMapping({"Z:\\: => x:\\lower"}, "X:\\: => D:\\Data"));
    // A line on its own drive carries itself.
    EXPECT_TRUE(app::CarriesAnotherMapping({"D:\\: => D:\\x"}, "D:\\: => D:\\x"));
}

class RemovePartitionTest : public MainFormTest {
  protected:
    void Select(const std::string& line) { ASSERT_TRUE(Control(ui::listKesto).Select(line)); }
};

TEST_F(RemovePartitionTest, RefusalsChangeNothing) {
    Map('X', "D:\\Data");
    Map('Y', "X:\\Sub");
    Load();
    const int runs = CallCount("CreateProcess");

    Window().Click(ui::cmddele);
    EXPECT_EQ(toolkit.messageBoxes.back().text,
              "请首先选中“已有虚拟硬盘”列表中的硬盘后再点击移除!");
    EXPECT_EQ(toolkit.messageBoxes.back().style, 0);

    Select("X:\\: => D:\\Data");
    toolkit.answers = {platform::kIdNo};
    Window().Click(ui::cmddele);
    EXPECT_EQ(toolkit.messageBoxes.back().style, 36);

    Window().Click(ui::cmddele);
    EXPECT_EQ(
        toolkit.messageBoxes.back().text,
        "你在当前的虚拟分区上又建立了另一个虚拟分区，必须先移除另一个虚拟分区，方可移除本分区。");
    EXPECT_EQ(toolkit.messageBoxes.back().style, 64);
    EXPECT_EQ(toolkit.messageBoxes.size(), 4u);
    EXPECT_EQ(CallCount("CreateProcess"), runs);
    EXPECT_EQ(os.Mappings().size(), 2u);
}

TEST_F(RemovePartitionTest, RefusedRemovalStillRefreshesFromTheLiveListing) {
    Map('X', "D:\\Data");
    Map('Y', "D:\\Other");
    Load();
    Select("Y:\\: => D:\\Other");
    // Y: vanished meanwhile, so subst complains; X: is listed again.
    os.RegisterProgram("subst", [](const std::string& arguments) {
        return std::optional<std::string>(arguments.empty() ? "X:\\: => D:\\Data\r\n"
                                                            : "Invalid parameter - Y:\r\n");
    });
    Window().Click(ui::cmddele);
    EXPECT_EQ(toolkit.messageBoxes.back().text,
              "你所指定的虚拟分区未被移除，可能此分区正在使用中。\r\n\r\n"
              "你可以关闭正在打开的文件或重启计算机后再进行移除!");
    EXPECT_EQ(Control(ui::listKesto).Items(), std::vector<std::string>{"X:\\: => D:\\Data"});
    EXPECT_EQ(Ini(), "[KESTO]\r\n0=X:\\: => D:\\Data\r\n");
}

} // namespace
} // namespace kesto
