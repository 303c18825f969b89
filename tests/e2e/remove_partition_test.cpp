// A partition another one lies on is not removed: the program knows the nesting only from the
// listing, which names the inner one's folder as it was given.
#include "kesto_test.h"
#include "messages.h"

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace kesto::e2e {

namespace {

using RemovePartition = KestoTest;

TEST_F(RemovePartition, RefusedWhileAnotherPartitionLiesOnIt) {
    Mappings().Map('X', NewFolder(L"outer"));
    std::filesystem::create_directory(L"X:\\inner");
    Mappings().Map('Y', L"X:\\inner");
    const std::vector<std::string> lines = Mappings().List();
    ASSERT_EQ(lines.size(), 2u);
    ASSERT_EQ(lines.back(), "Y:\\: => X:\\inner");
    Launch();

    uidriver::SelectItem(Main().Control("listKesto"), lines.front());
    uidriver::ClickButton(Main().Control("cmddele"));
    Answer(NextMessage(), IDYES);
    EXPECT_EQ(AcknowledgeNextMessage(), messages::kCarriesAnother);
    WaitUntilIdle();
    EXPECT_EQ(Mappings().List(), lines);
    EXPECT_TRUE(ShowsAndSavesTheListing());
}

} // namespace

} // namespace kesto::e2e
