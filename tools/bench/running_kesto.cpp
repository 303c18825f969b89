// The waits for the main window and then for its lists, timed from the program's start.
#include "running_kesto.h"

#include "fast_poll.h"

#include "uidriver/find.h"

namespace kesto::bench {

namespace {
constexpr double kStartTimeoutMs = 60000;
// The restore takes seconds; ten milliseconds more or less on both start-ups cancel out.
constexpr DWORD kLoadPollMs = 10;
constexpr std::size_t kDriveLetters = 26;
} // namespace

std::size_t ListBoxCount(const uidriver::Window& list) {
    return static_cast<std::size_t>(list.Send(LB_GETCOUNT));
}

std::size_t ComboCount(const uidriver::Window& list) {
    return static_cast<std::size_t>(list.Send(CB_GETCOUNT));
}

RunningKesto::RunningKesto(const BenchFolder& folder, std::size_t listed)
    : program_(folder.Program()) {
    const auto query =
        uidriver::WindowQuery("Tarvel").OfProcess(program_.Id()).NotOfClass("#32770");
    const double shown = WaitFor(
        [&] {
            if (const auto window = uidriver::FindFirstWindow(query)) {
                main_.emplace(*window);
            }
            return main_.has_value();
        },
        kStartTimeoutMs, "the main window");
    const uidriver::Window freeDisks = main_->Control("CmbFreedisk");
    const uidriver::Window busyDisks = main_->Control("CmbBusyDisk");
    const uidriver::Window partitions = main_->Control("listKesto");
    // The program fills the drive lists last, every letter in one of the two.
    const double loaded = WaitFor(
        [&] {
            return ComboCount(freeDisks) + ComboCount(busyDisks) == kDriveLetters &&
                   ListBoxCount(partitions) == listed;
        },
        kStartTimeoutMs, "the lists to fill", kLoadPollMs);
    shownMs_ = shown - program_.StartedAt();
    loadedMs_ = loaded - program_.StartedAt();
}

} // namespace kesto::bench
