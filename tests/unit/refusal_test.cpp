// Choices the program refuses: it says why, with the kind of box that fits, puts the focus where
// the choice is made, and changes nothing: no subst runs, no mapping, folder or table line is made.
#include "main_form_fixture.h"

namespace kesto {
namespace {

using namespace messages;

class RefusalTest;

struct Refusal {
    const char* name;
    void (*setUp)(fakes::FakeOs&); // before the start-up
    void (*act)(RefusalTest&);
    std::string message;
    int style;
    const char* focus = ""; // empty: wherever it was
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << refusal.name;
}

class RefusalTest : public MainFormTest, public ::testing::WithParamInterface<Refusal> {};

void Nothing(fakes::FakeOs&) {}

void TwoMappings(fakes::FakeOs& os) {
    os.AddFolder("D:\\Data");
    os.Subst({"X:", "D:\\Data"});
    os.Subst({"Y:", "X:\\"});
}

const Refusal kRefusals[] = {
    {"NoFreeLetter", Nothing, [](RefusalTest& t) { t.MapExisting("C:\\Tools", ""); }, kNoFreeLetter,
     48, "CmbFreedisk"},
    {"NoFolder", Nothing, [](RefusalTest& t) { t.MapExisting("", "X:"); }, kWrongFolder, 48,
     "TxtDirector"},
    {"FolderIsAFile", [](fakes::FakeOs& os) { os.AddFile("C:\\file.txt"); },
     [](RefusalTest& t) { t.MapExisting("C:\\file.txt", "X:"); }, kWrongFolder, 48, "TxtDirector"},
    {"MissingFolder", Nothing, [](RefusalTest& t) { t.MapExisting("C:\\missing", "X:"); },
     kWrongFolder, 48, "TxtDirector"},
    // Without a short form the code page can spell, subst would be handed another folder.
    {"FolderTheCodePageCannotSpell",
     [](fakes::FakeOs& os) {
         os.SetCodePage(1252);
         os.AddFolder("D:\\照片");
     },
     [](RefusalTest& t) { t.MapExisting("D:\\照片", "X:"); }, kWrongFolder, 48, "TxtDirector"},
    {"NoDisk", Nothing, [](RefusalTest& t) { t.Create("X:", ""); }, kNoDisk, 48, "CmbBusyDisk"},
    {"DiskThatCannotBeWritten",
     [](fakes::FakeOs& os) { os.AddDrive('G', platform::kDriveCdrom, false); },
     [](RefusalTest& t) { t.Create("X:", "G:"); }, kDiskNotWritable, 48},
    {"NothingSelected", TwoMappings, [](RefusalTest& t) { t.Remove(""); }, kNothingSelected, 0},
    {"RemovalNotConfirmed", TwoMappings,
     [](RefusalTest& t) {
         t.toolkit.answers = {platform::kIdNo};
         t.Remove("Y:\\: => X:\\");
     },
     kConfirmRemoval, 36},
    {"AnotherPartitionOnIt", TwoMappings, [](RefusalTest& t) { t.Remove("X:\\: => D:\\Data"); },
     kCarriesAnother, 64},
};

TEST_P(RefusalTest, SaysWhyAndChangesNothing) {
    const Refusal& refusal = GetParam();
    refusal.setUp(os);
    Load();
    const auto folders = os.Folders();
    const auto mappings = os.Mappings();
    const std::string ini = Ini();
    refusal.act(*this);
    ASSERT_FALSE(toolkit.messageBoxes.empty());
    EXPECT_EQ(toolkit.messageBoxes.back().text, refusal.message);
    EXPECT_EQ(toolkit.messageBoxes.back().style, refusal.style);
    if (*refusal.focus != '\0') {
        EXPECT_EQ(Window().FocusedControl(), refusal.focus);
    }
    EXPECT_EQ(CallCount("CreateProcess subst "), 0);
    EXPECT_EQ(os.Mappings(), mappings);
    EXPECT_EQ(os.Folders(), folders);
    EXPECT_EQ(Ini(), ini);
}

INSTANTIATE_TEST_SUITE_P(Refusals, RefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kesto
