// A disk the system will not let the program write to: it says so and makes nothing at all.
#include "kesto_test.h"

#include <windows.h>

#include <string>
#include <vector>

namespace kesto::e2e {

namespace {

using uidriver::MessageIcon;

using CreateRefusal = KestoTest;

TEST_F(CreateRefusal, OnADiskThatCannotBeWrittenSaysSoAndMakesNothing) {
    // The kernel lets nobody, root included, make folders in /proc: a disk that cannot be
    // written whoever runs the tests.
    Mappings().Map('P', L"Z:\\proc");
    Launch();
    const std::vector<std::string> lines = Mappings().List();
    const std::vector<std::string> free = FreeLetters();

    uidriver::SelectItem(Main().Control("CmbFreedisk"), free.back());
    uidriver::SelectItem(Main().Control("CmbBusyDisk"), "P:");
    uidriver::ClickButton(Main().Control("cmdcreate"));
    const uidriver::MessageDialog box = NextMessage();
    EXPECT_EQ(box.Text(), "无法在你所指定的盘上创建新的虚拟分区，请确认你对此盘有写权限！");
    EXPECT_EQ(box.Icon(), MessageIcon::Warning);
    Answer(box, IDOK);
    WaitUntilIdle();

    EXPECT_EQ(Mappings().List(), lines);
    EXPECT_TRUE(ShowsAndSavesTheListing());
    EXPECT_EQ(FreeLetters(), free);
}

} // namespace

} // namespace kesto::e2e
