// Keeps count of the pipe and process handles that the code under test was given and has not
// closed, over the fakes or the real calls alike.
#pragma once

#include "platform/os.h"

#include <set>

namespace kesto::contract {

template <class System> class HandleCounting : public System {
  public:
    using System::System;

    std::size_t HandlesOpen() const { return open_.size(); }

    bool CreatePipe(platform::PipeEnds& ends) override {
        const bool made = System::CreatePipe(ends);
        if (made) {
            open_.insert({ends.read, ends.write});
        }
        return made;
    }
    bool CreateProcessA(const std::string& ansiCommandLine, std::uint32_t creationFlags,
                        const platform::StartupInfo& startup,
                        platform::ProcessHandles& out) override {
        const bool started = System::CreateProcessA(ansiCommandLine, creationFlags, startup, out);
        if (started) {
            open_.insert({out.process, out.thread});
        }
        return started;
    }
    bool CloseHandle(platform::Handle handle) override {
        const bool closed = System::CloseHandle(handle);
        if (closed) {
            open_.erase(handle);
        }
        return closed;
    }

  private:
    std::set<platform::Handle> open_;
};

} // namespace kesto::contract
