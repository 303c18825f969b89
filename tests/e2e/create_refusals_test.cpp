// What the program says instead of making a partition it cannot make, and that it then makes
// nothing at all.
#include "kesto_test.h"

#include "uidriver/poll.h"
#include "uidriver/text.h"

#include <windows.h>

#include <string>
#include <vector>

namespace kesto::e2e {

namespace {

using namespace std::chrono_literals;
using uidriver::MessageIcon;

class CreateRefusal : public KestoTest {
  protected:
    // Presses the button, expects a warning and answers it; returns what it said.
    std::string RefusedCreate() {
        uidriver::ClickButton(Main().Control("cmdcreate"));
        const uidriver::MessageDialog box = NextMessage();
        EXPECT_EQ(box.Icon(), MessageIcon::Warning);
        const std::string text = box.Text();
        Answer(box, IDOK);
        WaitUntilIdle();
        return text;
    }

    void ExpectNothingMade() {
        EXPECT_EQ(Mappings().List(), lines_);
        EXPECT_TRUE(ShowsAndSavesTheListing());
        EXPECT_EQ(FreeLetters(), free_);
    }

    std::vector<std::string> lines_;
    std::vector<std::string> free_;
};

TEST_F(CreateRefusal, SaysWhatIsWrongAndMakesNothing) {
    // The kernel lets nobody, root included, make folders in /proc: a disk that cannot be
    // written whoever runs the tests.
    Mappings().Map('P', L"Z:\\proc");
    Launch();
    lines_ = Mappings().List();
    free_ = FreeLetters();

    EXPECT_EQ(RefusedCreate(), "请选择你新建虚拟分区所使用的盘符!");
    ExpectNothingMade();

    uidriver::SelectItem(Main().Control("CmbFreedisk"), free_.back());
    EXPECT_EQ(RefusedCreate(), "你尚未选择要从那一个磁盘分配空间！");
    ExpectNothingMade();

    uidriver::SelectItem(Main().Control("CmbBusyDisk"), "P:");
    EXPECT_EQ(RefusedCreate(), "无法在你所指定的盘上创建新的虚拟分区，请确认你对此盘有写权限！");
    ExpectNothingMade();

    uidriver::ClickButton(Main().Control("Opt1(0)"));
    const uidriver::Window typed = Main().Control("TxtDirector");
    ASSERT_TRUE(uidriver::WaitUntil([&] { return typed.Visible(); }, 5s));
    uidriver::TypeText(typed, uidriver::Utf8Path(Folder() / L"no such folder"));
    EXPECT_EQ(RefusedCreate(), "你选择的目录不正确");
    ExpectNothingMade();
}

} // namespace

} // namespace kesto::e2e
