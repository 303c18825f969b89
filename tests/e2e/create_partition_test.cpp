// Making a partition in a new folder KESTO_<letter> on a chosen disk: the letter must lead to the
// folder at once. Folders the user names are made partitions in code_page_test.cpp.
#include "kesto_test.h"
#include "messages.h"

#include "uidriver/text.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kesto::e2e {

namespace {

namespace fs = std::filesystem;
using uidriver::MessageIcon;

bool Holds(const std::vector<std::string>& items, const std::string& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

class CreatePartition : public LaunchedKestoTest {
  protected:
    // Picks the letter, presses the button and answers the box the program shows then.
    void CreateWith(const std::string& letter) {
        uidriver::SelectItem(Main().Control("CmbFreedisk"), letter);
        uidriver::ClickButton(Main().Control("cmdcreate"));
        const uidriver::MessageDialog box = NextMessage();
        EXPECT_EQ(box.Text(), messages::kMapped);
        EXPECT_EQ(box.Icon(), MessageIcon::Information);
        Answer(box, IDOK);
        WaitUntilIdle();
    }

    // The partition is there and shown: the letter lists the folder, has left the free letters
    // and leads to the folder's files.
    void ExpectMapped(const std::string& letter, const fs::path& folder) {
        EXPECT_TRUE(Holds(Mappings().List(), letter + "\\: => " + ListedForm(folder)));
        EXPECT_TRUE(ShowsAndSavesTheListing());
        EXPECT_FALSE(Holds(FreeLetters(), letter));
        EXPECT_TRUE(Holds(BusyLetters(), letter));

        const std::string written = "written through " + letter;
        std::ofstream(fs::path(uidriver::Widen(letter + "\\probe.txt"))) << written;
        std::ifstream readBack(folder / L"probe.txt");
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(readBack), {}), written);
    }
};

TEST_F(CreatePartition, InANewFolderOnTheChosenDisk) {
    const std::string letter = FreeLetters().back();
    const fs::path folder = fs::path(L"C:\\KESTO_") += letter.front();
    RemoveAfterwards(folder);
    ASSERT_FALSE(fs::exists(folder));

    uidriver::SelectItem(Main().Control("CmbBusyDisk"), "C:");
    CreateWith(letter);

    EXPECT_TRUE(fs::is_directory(folder));
    ExpectMapped(letter, folder);
}

} // namespace

} // namespace kesto::e2e
