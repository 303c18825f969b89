// The partitions the program finds at the start: what subst lists shows in listKesto and is
// saved to kesto.ini, keys "0" up in listing order.
#include "kesto_test.h"

#include "uidriver/controls.h"
#include "uidriver/ini.h"

#include <string>
#include <vector>

namespace kesto::e2e {

namespace {

using uidriver::IniEntries;

class PartitionList : public KestoTest {
  protected:
    // Maps X: to a plain folder and Y: to one with a Chinese name, which the program reads
    // through the ANSI code page.
    void MapTwoFolders() {
        Mappings().Map('X', NewFolder(L"plain"));
        Mappings().Map('Y', NewFolder(L"中文文件夹"));
    }
};

TEST_F(PartitionList, ShowsAndSavesTheMappingsMadeBeforeTheStart) {
    MapTwoFolders();
    const std::vector<std::string> lines = Mappings().List();
    ASSERT_EQ(lines.size(), 2u);

    Launch();

    EXPECT_EQ(Listed(), lines);
    EXPECT_EQ(Saved(), (IniEntries{{"0", lines[0]}, {"1", lines[1]}}));
}

TEST_F(PartitionList, NextStartMakesSavedMappingsAgain) {
    MapTwoFolders();
    const std::vector<std::string> lines = Mappings().List();
    Launch();
    Quit();
    // As after a log-on: Y: is gone, X: still there and its letter taken.
    Mappings().Remove('Y');
    ASSERT_EQ(Mappings().List().size(), 1u);

    Launch();

    EXPECT_EQ(Mappings().List(), lines);
    EXPECT_EQ(Listed(), lines);
    EXPECT_EQ(Saved(), (IniEntries{{"0", lines[0]}, {"1", lines[1]}}));
}

TEST_F(PartitionList, SavesNoKeysWithoutMappings) {
    Launch();

    EXPECT_TRUE(Listed().empty());
    EXPECT_TRUE(Saved().empty());
}

} // namespace

} // namespace kesto::e2e
