// A program the bench started and watches from outside: its windows, its memory, its end.
#pragma once

#include <windows.h>

#include <psapi.h>

#include <cstddef>
#include <filesystem>

namespace kesto::bench {

class StartedProgram {
  public:
    // Notes the time just before the process is created.
    explicit StartedProgram(const std::filesystem::path& exe);
    // Ends it at once: how it closes is not what the bench measures.
    ~StartedProgram();
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    DWORD Id() const { return id_; }
    double StartedAt() const { return startedAt_; }
    // The most of its memory the system ever kept in RAM for it, in bytes.
    std::size_t PeakWorkingSet() const;
    // Memory of the process's own, not shared with other processes: the peak the system reports.
    std::size_t PeakPrivateBytes() const;

  private:
    PROCESS_MEMORY_COUNTERS MemoryCounters() const;

    double startedAt_;
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

} // namespace kesto::bench
