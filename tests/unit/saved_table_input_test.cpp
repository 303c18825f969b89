// Table files written by hand: the start-up restores what is a saved partition, tells of saved
// partitions it cannot make again, and makes no folder that no line asks for.
#include "main_form_fixture.h"

namespace kesto {
namespace {

using namespace std::string_literals;

struct HandWritten {
    const char* name;
    std::string ini;
    std::map<char, std::string> restored;
    std::set<std::string> made;
    std::size_t messages;
};

TEST(SavedTableInput, HandWrittenTablesRestoreOnlyTheirPartitions) {
    const std::vector<HandWritten> cases = {
        // Read to key 25 past the gaps; made again where the folder has gone, told where its
        // drive is absent, dropped without a word where its letter is taken.
        {"keys missing in the middle, a folder gone, an absent drive, a letter taken",
         "[KESTO]\r\n0=X:\\: => D:\\gone\\deep\r\n2=E:\\: => H:\\Data\r\n3=\r\n"
         "4=C:\\: => D:\\Data\r\n25=Y:\\: => D:\\Data\r\n",
         {{'X', "D:\\gone\\deep"}, {'Y', "D:\\Data"}},
         {"D:\\GONE", "D:\\GONE\\DEEP"},
         1},
        {"stale keys, other sections, keys past 25, blanks, no final line break",
         "[Other]\r\n0=Q:\\: => D:\\Other\r\n[KESTO]\r\n3=X:\\: => D:\\Data\r\n"
         "30=Y:\\: => D:\\Beyond\r\n 7 = Z:\\: => D:\\Zed ",
         {{'X', "D:\\Data"}, {'Z', "D:\\Zed"}},
         {"D:\\ZED"},
         0},
        // Each after the line that makes its drive, its folder made only then.
        {"partitions on others, before them in key order and in either letter case",
         "[KESTO]\r\n0=M:\\: => p:\\web\r\n1=P:\\: => D:\\Data\r\n2=K:\\: => L:\\k\r\n"
         "3=L:\\: => N:\\l\r\n4=N:\\: => D:\\n\r\n",
         {{'M', "p:\\web"}, {'P', "D:\\Data"}, {'K', "L:\\k"}, {'L', "N:\\l"}, {'N', "D:\\n"}},
         {"D:\\DATA\\WEB", "D:\\N", "D:\\N\\L", "D:\\N\\L\\K"},
         0},
        // P: and D: each lie on the other's drive; D: is a disk here, so P: is made on it, and
        // the lines waiting for P: follow (D:'s letter is taken).
        {"a ring of lines, one of them on a letter that is taken",
         "[KESTO]\r\n0=K:\\: => P:\\k\r\n1=P:\\: => D:\\Data\r\n2=D:\\: => P:\\d\r\n"
         "3=Q:\\: => Q:\\q\r\n",
         {{'K', "P:\\k"}, {'P', "D:\\Data"}},
         {"D:\\DATA\\K", "D:\\DATA\\D"},
         1},
        // Y: and D: make a ring that the first lines only wait for: the ring goes first, with
        // Y: on the disk D:, and the lines on Y: after it.
        {"a ring that other lines wait for",
         "[KESTO]\r\n0=V:\\: => W:\\v\r\n1=W:\\: => Y:\\w\r\n2=D:\\: => Y:\\d\r\n"
         "3=Y:\\: => D:\\y\r\n",
         {{'V', "W:\\v"}, {'W', "Y:\\w"}, {'Y', "D:\\y"}},
         {"D:\\Y", "D:\\Y\\W", "D:\\Y\\W\\V", "D:\\Y\\D"},
         0},
        // A share as the listing shows it, and folders relative to wherever the program started.
        {"folders that are not full paths",
         "[KESTO]\r\n0=X:\\: => UNC\\server\\share\r\n1=Y:\\: => Data\r\n2=Z:\\: =>\r\n3=ab\r\n",
         {},
         {},
         4},
    };
    for (const HandWritten& table : cases) {
        SCOPED_TRACE(table.name);
        MainFormMachine machine;
        fakes::FakeOs& os = machine.os;
        os.AddFolder("D:\\Data");
        os.AddFile("C:\\Tools\\kesto.ini", table.ini);
        const auto before = os.Folders();
        machine.Load();

        EXPECT_EQ(os.Mappings(), table.restored);
        for (const auto& [letter, folder] : table.restored) {
            EXPECT_EQ(machine.CallCount("CreateProcess subst "s + letter), 1) << letter;
        }
        std::set<std::string> made;
        std::set_difference(os.Folders().begin(), os.Folders().end(), before.begin(), before.end(),
                            std::inserter(made, made.end()));
        EXPECT_EQ(made, table.made);
        EXPECT_EQ(machine.toolkit.messageBoxes.size(), table.messages);
    }
}

} // namespace
} // namespace kesto
