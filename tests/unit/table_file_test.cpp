// The partition table file on its own, over the in-memory Windows.
#include "app/table_file.h"
#include "fakes/fake_os.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

const std::string kFile = "C:\\Tools\\kesto.ini";

class TableFileTest : public ::testing::Test {
  protected:
    TableFileTest() { os.AddFolder("C:\\Tools"); }

    std::string Ini() const { return os.FileContent(kFile).value_or("<none>"); }

    fakes::FakeOs os;
    app::PartitionTableFile table{os, kFile};
};

TEST_F(TableFileTest, LinesAreReadWholeOrNotAtAll) {
    os.SetCodePage(65001);
    // 252 units before a character of two: a buffer of 254 holds 253 and leaves it out.
    const std::string split = "X:\\: => D:\\" + std::string(252 - 11, 'a') + "📁b";
    const std::string longer = "Y:\\: => D:\\" + std::string(3000, 'y');
    os.AddFile(kFile, "[KESTO]\r\n0=" + split + "\r\n1=" + longer + "\r\n2=Z:\\: => D:\\" +
                          std::string(70000, 'z') + "\r\n3=\r\n");
    EXPECT_EQ(table.ReadLine(0), split);
    EXPECT_EQ(table.ReadLine(1), longer);
    // Cut to any buffer it would name another folder.
    EXPECT_EQ(table.ReadLine(2), "");
    EXPECT_EQ(table.ReadLine(3), "");
}

TEST_F(TableFileTest, SaveRewritesOnlyTheLinesThatChangedRemovingThemFirst) {
    // Hand-ordered: a rewritten key would move to the end of the section.
    os.AddFile(kFile, "[KESTO]\r\n2=G:\\: => D:\\g\r\n1=F:\\: => D:\\f\r\n0=E:\\: => D:\\e\r\n");
    const std::vector<std::string> live = {"E:\\: => D:\\e", "F:\\: => D:\\f", "G:\\: => D:\\g"};
    EXPECT_TRUE(table.Save(live));
    EXPECT_EQ(Ini(), "[KESTO]\r\n2=G:\\: => D:\\g\r\n1=F:\\: => D:\\f\r\n0=E:\\: => D:\\e\r\n");
    // Each write makes the system rewrite the whole file: a table that matches costs none.
    for (const std::string& call : os.Calls()) {
        EXPECT_FALSE(call.starts_with("WritePrivateProfileString") && !call.ends_with("(delete)"))
            << call;
    }

    EXPECT_TRUE(table.Save({live[1], live[2]}));
    EXPECT_EQ(Ini(), "[KESTO]\r\n0=F:\\: => D:\\f\r\n1=G:\\: => D:\\g\r\n");

    // A longer line that starts like the live one is no match.
    os.AddFile(kFile, "[KESTO]\r\n0=F:\\: => D:\\f\\deeper\r\n1=G:\\: => D:\\g\r\n");
    EXPECT_TRUE(table.Save({live[1], live[2]}));
    EXPECT_EQ(Ini(), "[KESTO]\r\n1=G:\\: => D:\\g\r\n0=F:\\: => D:\\f\r\n");
}

} // namespace
} // namespace kesto
