// Each action's clicks and answers, timed around the message boxes the program shows.
#include "user_actions.h"

#include "fast_poll.h"
#include "stopwatch.h"

#include "uidriver/controls.h"
#include "uidriver/find.h"
#include "uidriver/message_dialog.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace kesto::bench {

namespace {

constexpr double kTimeoutMs = 30000;

struct Box {
    uidriver::MessageDialog dialog;
    double shownAt;
};

// A message box of the program other than `previous`, which may still be closing.
Box WaitForBox(DWORD process, HWND previous) {
    std::optional<uidriver::Window> found;
    const auto query = uidriver::WindowQuery("Tarvel").OfProcess(process).OfClass("#32770");
    const double shownAt = WaitFor(
        [&] {
            for (const uidriver::Window& window : uidriver::FindWindows(query)) {
                if (window.Handle() != previous) {
                    found = window;
                }
            }
            return found.has_value();
        },
        kTimeoutMs, "a message box");
    return {uidriver::MessageDialog(*found), shownAt};
}

void Expect(const Box& box, const char* text) {
    const std::string shown = box.dialog.Text();
    if (shown.find(text) == std::string::npos) {
        throw std::runtime_error("the program says: " + shown);
    }
}

} // namespace

double CreateThroughUi(const RunningKesto& kesto, char letter, const std::string& folder) {
    const uidriver::MainForm& main = kesto.Main();
    uidriver::ClickButton(main.Control("Opt1(0)"));
    const uidriver::Window folderField = main.Control("TxtDirector");
    WaitFor([&] { return folderField.Visible(); }, kTimeoutMs, "the folder field");
    uidriver::TypeText(folderField, folder);
    const uidriver::Window freeDisks = main.Control("CmbFreedisk");
    const std::vector<std::string> letters = uidriver::ListItems(freeDisks);
    const auto item = std::find(letters.begin(), letters.end(), std::string{letter, ':'});
    if (item == letters.end()) {
        throw std::runtime_error(std::string("drive ") + letter + ": is not free");
    }
    uidriver::SelectItem(freeDisks, static_cast<int>(item - letters.begin()));
    const uidriver::Window partitions = main.Control("listKesto");
    const std::size_t before = ListBoxCount(partitions);

    const double clicked = NowMs();
    uidriver::ClickButton(main.Control("cmdcreate"));
    const Box result = WaitForBox(kesto.Id(), nullptr);
    Expect(result, "添加成功");
    const double answered = NowMs();
    result.dialog.Answer(IDOK);
    const double updated = WaitFor([&] { return ListBoxCount(partitions) == before + 1; },
                                   kTimeoutMs, "the new partition in the list");
    return (result.shownAt - clicked) + (updated - answered);
}

double RemoveThroughUi(const RunningKesto& kesto) {
    const uidriver::MainForm& main = kesto.Main();
    const uidriver::Window partitions = main.Control("listKesto");
    const uidriver::Window freeDisks = main.Control("CmbFreedisk");
    const std::size_t listed = ListBoxCount(partitions);
    const std::size_t freeAfter = ComboCount(freeDisks) + 1;
    uidriver::SelectItem(partitions, 0);

    const double clicked = NowMs();
    uidriver::ClickButton(main.Control("cmddele"));
    const Box question = WaitForBox(kesto.Id(), nullptr);
    const double confirmed = NowMs();
    question.dialog.Answer(IDYES);
    const Box result = WaitForBox(kesto.Id(), question.dialog.Dialog().Handle());
    Expect(result, "顺利移除");
    const double answered = NowMs();
    result.dialog.Answer(IDOK);
    // The drive list is filled after the partition list.
    const double updated = WaitFor(
        [&] {
            return ListBoxCount(partitions) == listed - 1 && ComboCount(freeDisks) == freeAfter;
        },
        kTimeoutMs, "the lists without the partition");
    return (question.shownAt - clicked) + (result.shownAt - confirmed) + (updated - answered);
}

} // namespace kesto::bench
