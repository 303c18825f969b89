// kesto.exe started in the bench folder and waited for until its window is up and its lists
// are filled, the way a user sees it ready.
#pragma once

#include "bench_folder.h"
#include "started_program.h"

#include "uidriver/main_form.h"

#include <cstddef>
#include <optional>

namespace kesto::bench {

class RunningKesto {
  public:
    // listed: the partitions its list must show once it is ready.
    RunningKesto(const BenchFolder& folder, std::size_t listed);

    // From process start to the main window shown, and to the lists filled.
    double ShownMs() const { return shownMs_; }
    double LoadedMs() const { return loadedMs_; }
    const uidriver::MainForm& Main() const { return *main_; }
    DWORD Id() const { return program_.Id(); }
    std::size_t PeakWorkingSet() const { return program_.PeakWorkingSet(); }
    std::size_t PeakPrivateBytes() const { return program_.PeakPrivateBytes(); }

  private:
    StartedProgram program_;
    std::optional<uidriver::MainForm> main_;
    double shownMs_ = 0;
    double loadedMs_ = 0;
};

// Items in a list box, and in a drop-down list.
std::size_t ListBoxCount(const uidriver::Window& list);
std::size_t ComboCount(const uidriver::Window& list);

} // namespace kesto::bench
