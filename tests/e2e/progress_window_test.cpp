// The progress window that stands over the main window while subst runs, held back here for as
// long as the test watches.
#include "kesto_test.h"
#include "messages.h"

#include "uidriver/find.h"
#include "uidriver/poll.h"
#include "uidriver/screenshot.h"
#include "uidriver/text.h"
#include "uidriver/working_form.h"

#include <windows.h>

#include <string>

namespace kesto::e2e {

namespace {

using namespace std::chrono_literals;
using uidriver::Rect;

using namespace messages;

// An event the subst the program starts waits for; set unless a test holds subst back.
class SubstHold {
  public:
    SubstHold()
        : name_("kesto-e2e-subst-hold-" + std::to_string(GetCurrentProcessId())),
          event_(CreateEventA(nullptr, TRUE, TRUE, name_.c_str())) {}
    ~SubstHold() {
        SetEvent(event_);
        CloseHandle(event_);
    }
    SubstHold(const SubstHold&) = delete;
    SubstHold& operator=(const SubstHold&) = delete;

    const std::string& Name() const { return name_; }
    void Hold() const { ResetEvent(event_); }
    void Release() const { SetEvent(event_); }

  private:
    std::string name_;
    HANDLE event_;
};

class ProgressWindow : public KestoTest {
  protected:
    void SetUp() override {
        KestoTest::SetUp();
        Launch({"", {{uidriver::Narrow(kSubstHoldVariable), subst_.Name()}}, {}, {}});
    }
    void TearDown() override {
        subst_.Release();
        KestoTest::TearDown();
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
        // What a screen reader reads there.
        const uidriver::Window label = progress.Control("lblView");
        EXPECT_EQ(label.ClassName(), "Static");
        EXPECT_EQ(label.StoredText(), text);
        SaveScreenshot(screenshot,
                       Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    }

    void ExpectMainBackInUse() const {
        EXPECT_TRUE(Main().Frame().Enabled());
        EXPECT_FALSE(
            uidriver::FindFirstWindow(uidriver::WindowQuery("工作中……").OfProcess(Program().Id())));
    }

    SubstHold subst_;
};

TEST_F(ProgressWindow, StandsCentredOverTheMainWindowWhereverThatWasMoved) {
    Main().Frame().MoveTo(40, 30);
    const std::string letter = FreeLetters().back();
    RemoveAfterwards(std::filesystem::path(L"C:\\KESTO_") += letter.front());
    uidriver::SelectItem(Main().Control("CmbFreedisk"), letter);
    uidriver::SelectItem(Main().Control("CmbBusyDisk"), "C:");
    subst_.Hold();
    uidriver::ClickButton(Main().Control("cmdcreate"));
    ExpectProgressOverMain(kAdding, kRemoving, "progress-window");
    subst_.Release();
    EXPECT_EQ(AcknowledgeNextMessage(), kMapped);
    WaitUntilIdle();
    ExpectMainBackInUse();

    Main().Frame().MoveTo(600, 320);
    uidriver::SelectItem(Main().Control("listKesto"), Mappings().List().front());
    subst_.Hold();
    uidriver::ClickButton(Main().Control("cmddele"));
    Answer(NextMessage(), IDYES);
    ExpectProgressOverMain(kRemoving, kAdding, "progress-window-moved");
    subst_.Release();
    EXPECT_EQ(AcknowledgeNextMessage(), kRemoved);
    WaitUntilIdle();
    ExpectMainBackInUse();
}

// The label's window is there for screen readers only: the form paints the text beneath it.
// Shown again by the test once subst has ended: it does not repaint while subst runs.
TEST_F(ProgressWindow, LabelWindowChangesNoPixel) {
    const std::string letter = FreeLetters().back();
    RemoveAfterwards(std::filesystem::path(L"C:\\KESTO_") += letter.front());
    uidriver::SelectItem(Main().Control("CmbFreedisk"), letter);
    uidriver::SelectItem(Main().Control("CmbBusyDisk"), "C:");
    uidriver::ClickButton(Main().Control("cmdcreate"));
    EXPECT_EQ(AcknowledgeNextMessage(), kMapped);
    WaitUntilIdle();
    const uidriver::WorkingForm progress(uidriver::WaitForWindow(
        uidriver::WindowQuery("工作中……").OfProcess(Program().Id()).IncludingHidden(), 10s));
    const uidriver::Window& frame = progress.Frame();
    const uidriver::Window label = progress.Control("lblView");
    ShowWindow(frame.Handle(), SW_SHOWNA);
    ASSERT_TRUE(uidriver::WaitUntil([&] { return progress.Shows("lblView", label.Text()); }, 5s));
    const Rect area = frame.ScreenRect();
    const std::optional<uidriver::Image> shown = uidriver::CaptureSettled(area, 5s);
    ShowWindow(label.Handle(), SW_HIDE);
    // -1: the window never finished painting.
    const int unlike = shown ? uidriver::PixelsUnlike(*shown, area, 3s) : -1;
    ShowWindow(label.Handle(), SW_SHOWNA);
    ShowWindow(frame.Handle(), SW_HIDE);
    EXPECT_EQ(unlike, 0);
}

} // namespace

} // namespace kesto::e2e
