// Making and removing a partition, and the progress window that stands over the main window while
// subst runs, held back here for as long as the test watches.
#include "kesto_test.h"

#include "uidriver/working_form.h"

namespace kesto::e2e {

namespace {

using uidriver::MessageIcon;
using uidriver::Rect;

using namespace messages;

class ProgressWindow : public KestoTest {
  protected:
    void SetUp() override {
        KestoTest::SetUp();
        Launch({"", {{uidriver::Narrow(kSubstHoldVariable), holdName_}}, {}, {}});
    }
    void TearDown() override {
        SetEvent(hold_);
        KestoTest::TearDown();
        CloseHandle(hold_);
    }

    // Checks the progress window while it is up, and saves the whole screen then.
    void ExpectProgressOverMain(const std::string& text, const std::string& otherText,
                                const std::string& screenshot) {
        const uidriver::Window& main = Main().Frame();
        // Found only once shown.
        const uidriver::WorkingForm progress(uidriver::WaitForWindow(
            uidriver::WindowQuery("工作中……").OfProcess(Program().Id()), 10s));
        // Disabled only once the progress window stands in its place.
        ASSERT_TRUE(uidriver::WaitUntil([&] { return !main.Enabled(); }, 10s));
        const uidriver::Window& frame = progress.Frame();
        EXPECT_TRUE(frame.Topmost());
        EXPECT_NE(frame.ExStyle() & WS_EX_TOOLWINDOW, 0);
        const Rect over = main.ScreenRect();
        const Rect place = frame.ScreenRect();
        EXPECT_NEAR(place.left + place.width / 2.0, over.left + over.width / 2.0, 2.0);
        EXPECT_NEAR(place.top + place.height / 2.0, over.top + over.height / 2.0, 2.0);
        EXPECT_TRUE(uidriver::WaitUntil([&] { return progress.Shows("lblView", text); }, 1s));
        EXPECT_FALSE(progress.Shows("lblView", otherText));
        // What a screen reader reads there; a window that changes no pixel, as the main window's
        // labels, which ScreenReaders hides to prove it.
        const uidriver::Window label = progress.Control("lblView");
        EXPECT_EQ(label.ClassName(), "Static");
        EXPECT_EQ(label.StoredText(), text);
        SaveScreenshot(screenshot,
                       Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    }

    // Selects the line, presses the button and answers the confirmation.
    void Remove(const std::string& line, int answer) const {
        uidriver::SelectItem(Main().Control("listKesto"), line);
        uidriver::ClickButton(Main().Control("cmddele"));
        const uidriver::MessageDialog confirmation = NextMessage();
        EXPECT_EQ(confirmation.Text(), kConfirmRemoval);
        EXPECT_EQ(confirmation.Icon(), MessageIcon::Question);
        EXPECT_EQ(confirmation.Buttons(), (std::vector<int>{IDYES, IDNO}));
        Answer(confirmation, answer);
    }

    // Lets subst end, answers the message that follows and sees the main window back in use.
    void ExpectDoneWith(const std::string& text) {
        SetEvent(hold_);
        const uidriver::MessageDialog box = NextMessage();
        EXPECT_EQ(box.Text(), text);
        EXPECT_EQ(box.Icon(), MessageIcon::Information);
        Answer(box, IDOK);
        WaitUntilIdle();
        EXPECT_TRUE(Main().Frame().Enabled());
        EXPECT_FALSE(
            uidriver::FindFirstWindow(uidriver::WindowQuery("工作中……").OfProcess(Program().Id())));
    }

    // An event the subst the program starts waits for; set unless the test holds subst back.
    const std::string holdName_ = "kesto-e2e-subst-hold-" + std::to_string(GetCurrentProcessId());
    const HANDLE hold_ = CreateEventA(nullptr, TRUE, TRUE, holdName_.c_str());
};

bool Holds(const std::vector<std::string>& items, const std::string& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

// A partition in a new folder KESTO_<letter> on a chosen disk: the letter leads to the folder at
// once; removed only when confirmed, and the folder keeps its files. The progress window stands
// over the main window wherever that was moved.
TEST_F(ProgressWindow, StandsOverTheMainWindowWhileAPartitionIsMadeAndRemoved) {
    Main().Frame().MoveTo(40, 30);
    const std::string letter = FreeLetters().back();
    const fs::path folder = fs::path(L"C:\\KESTO_") += letter.front();
    RemoveAfterwards(folder);
    ASSERT_FALSE(fs::exists(folder));
    uidriver::SelectItem(Main().Control("CmbFreedisk"), letter);
    uidriver::SelectItem(Main().Control("CmbBusyDisk"), "C:");
    ResetEvent(hold_);
    uidriver::ClickButton(Main().Control("cmdcreate"));
    ExpectProgressOverMain(kAdding, kRemoving, "progress-window");
    ExpectDoneWith(kMapped);

    const std::vector<std::string> lines = Mappings().List();
    EXPECT_TRUE(Holds(lines, Line(letter, ListedForm(folder))));
    EXPECT_TRUE(ShowsAndSavesTheListing());
    EXPECT_FALSE(Holds(FreeLetters(), letter));
    EXPECT_TRUE(Holds(BusyLetters(), letter));
    std::ofstream(letter + "\\probe.txt") << "written through " << letter;
    EXPECT_EQ(Content(folder / L"probe.txt"), "written through " + letter);

    Main().Frame().MoveTo(600, 320);
    Remove(lines.front(), IDNO);
    WaitUntilIdle();
    EXPECT_EQ(Mappings().List(), lines);
    ResetEvent(hold_);
    Remove(lines.front(), IDYES);
    ExpectProgressOverMain(kRemoving, kAdding, "progress-window-moved");
    ExpectDoneWith(kRemoved);
    EXPECT_TRUE(fs::exists(folder / L"probe.txt"));
    EXPECT_TRUE(Mappings().List().empty());
    EXPECT_TRUE(ShowsAndSavesTheListing());
    EXPECT_TRUE(Holds(FreeLetters(), letter));
}

} // namespace

} // namespace kesto::e2e
