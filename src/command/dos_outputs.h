// DOSOutputs: runs one console command line as a hidden child process and returns everything it
// wrote to standard output and standard error. Failures of its own are shown to the user and
// give empty text; nothing is thrown.
#pragma once

#include "platform/os.h"
#include "platform/toolkit.h"

#include <cstdint>
#include <string>

namespace kesto::command {

class DOSOutputs {
  public:
    // Hidden, and without a console window even where the default terminal would show one
    // for a console program started hidden.
    static constexpr std::uint32_t kCreationFlags =
        platform::kNormalPriorityClass | platform::kCreateNoWindow;
    // Bytes asked of the pipe at each read.
    static constexpr std::size_t kReadBufferSize = 256;

    DOSOutputs(platform::Os& os, platform::Toolkit& toolkit) : os_(os), toolkit_(toolkit) {}

    void SetCommandLine(const std::string& dosCommand) { commandLine_ = dosCommand; }
    // Whether the last ExecuteCommand ran a child and read all it wrote up to the end of the pipe:
    // only then does an empty result mean that the command printed nothing.
    bool Completed() const { return completed_; }

    // Runs the command line; returns when the child has closed its end of the pipe.
    std::string ExecuteCommand();

  private:
    std::string Fail(const std::string& message);

    platform::Os& os_;
    platform::Toolkit& toolkit_;
    std::string commandLine_;
    bool completed_ = false;
};

} // namespace kesto::command
