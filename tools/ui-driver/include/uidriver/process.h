// A program started for a test, and the means to end it whatever state it is in.
#pragma once

#include "uidriver/poll.h"

#include <windows.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace kesto::uidriver {

// Variables set for a started program on top of those it inherits: name, value.
using Environment = std::vector<std::pair<std::string, std::string>>;

class Process {
  public:
    // commandLine as typed at a prompt, the program's path quoted where it has spaces.
    static Process Start(const std::string& commandLine, const std::filesystem::path& workingFolder,
                         const Environment& extra = {});
    Process(Process&& other) noexcept;
    Process& operator=(Process&&) = delete;
    Process(const Process&) = delete;
    ~Process(); // leaves the program running; Stop ends it

    DWORD Id() const { return id_; }
    bool Running() const;
    bool WaitForExit(milliseconds timeout) const;

    // WM_CLOSE to the program's visible top-level windows, as the user closing them; if the
    // program is still there after timeout it is terminated. True when it ended by itself.
    bool Stop(milliseconds timeout) const;
    void Terminate() const;

  private:
    Process(HANDLE handle, DWORD id) : handle_(handle), id_(id) {}
    HANDLE handle_;
    DWORD id_;
};

} // namespace kesto::uidriver
