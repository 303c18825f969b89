// Removing a partition: asked first, and the folder with its files stays.
#include "kesto_test.h"
#include "messages.h"

#include "uidriver/text.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kesto::e2e {

namespace {

namespace fs = std::filesystem;
using uidriver::MessageIcon;

class RemovePartition : public KestoTest {
  protected:
    // Selects the line, presses the button and answers the confirmation.
    void Remove(const std::string& line, int answer) {
        uidriver::SelectItem(Main().Control("listKesto"), line);
        uidriver::ClickButton(Main().Control("cmddele"));
        const uidriver::MessageDialog confirmation = NextMessage();
        EXPECT_EQ(confirmation.Text(), messages::kConfirmRemoval);
        EXPECT_EQ(confirmation.Icon(), MessageIcon::Question);
        EXPECT_EQ(confirmation.Buttons(), (std::vector<int>{IDYES, IDNO}));
        Answer(confirmation, answer);
    }
};

TEST_F(RemovePartition, OnlyWhenConfirmedAndKeepsTheFiles) {
    const fs::path folder = NewFolder(L"kept");
    std::ofstream(folder / L"kept.txt") << "kept";
    Mappings().Map('X', folder);
    Launch();
    const std::vector<std::string> lines = Mappings().List();
    ASSERT_EQ(lines.size(), 1u);

    Remove(lines.front(), IDNO);
    WaitUntilIdle();
    EXPECT_EQ(Mappings().List(), lines);
    EXPECT_TRUE(ShowsAndSavesTheListing());
    EXPECT_EQ(GetDriveTypeA("X:\\"), static_cast<UINT>(DRIVE_FIXED));

    Remove(lines.front(), IDYES);
    const uidriver::MessageDialog done = NextMessage();
    EXPECT_EQ(done.Text(), messages::kRemoved);
    EXPECT_EQ(done.Icon(), MessageIcon::Information);
    Answer(done, IDOK);
    WaitUntilIdle();
    EXPECT_EQ(GetDriveTypeA("X:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    EXPECT_TRUE(fs::exists(folder / L"kept.txt"));
    EXPECT_TRUE(Mappings().List().empty());
    EXPECT_TRUE(ShowsAndSavesTheListing());
    const std::vector<std::string> free = FreeLetters();
    EXPECT_NE(std::find(free.begin(), free.end(), "X:"), free.end());
}

TEST_F(RemovePartition, RefusedWhileAnotherPartitionLiesOnIt) {
    Mappings().Map('X', NewFolder(L"outer"));
    fs::create_directory(L"X:\\inner");
    Mappings().Map('Y', L"X:\\inner");
    const std::vector<std::string> lines = Mappings().List();
    ASSERT_EQ(lines.size(), 2u);
    // The program knows the nesting only from the listing, which names Y:'s folder as it was given.
    ASSERT_EQ(lines.back(), "Y:\\: => X:\\inner");
    Launch();

    Remove(lines.front(), IDYES);
    const uidriver::MessageDialog refusal = NextMessage();
    EXPECT_EQ(refusal.Text(), messages::kCarriesAnother);
    Answer(refusal, IDOK);
    WaitUntilIdle();
    EXPECT_EQ(Mappings().List(), lines);
    EXPECT_TRUE(ShowsAndSavesTheListing());
}

} // namespace

} // namespace kesto::e2e
