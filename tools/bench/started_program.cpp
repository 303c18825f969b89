// Starting and killing the program, and its memory counters.
#include "started_program.h"

#include "stopwatch.h"

#include <psapi.h>

#include <stdexcept>
#include <string>

namespace kesto::bench {

StartedProgram::StartedProgram(const std::filesystem::path& exe) : startedAt_(NowMs()) {
    std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
    const std::wstring folder = exe.parent_path().wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        throw std::runtime_error("cannot start the program, error " +
                                 std::to_string(GetLastError()));
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

StartedProgram::~StartedProgram() {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, INFINITE);
    CloseHandle(process_);
}

PROCESS_MEMORY_COUNTERS StartedProgram::MemoryCounters() const {
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(process_, &counters, sizeof counters)) {
        throw std::runtime_error("GetProcessMemoryInfo failed");
    }
    return counters;
}

std::size_t StartedProgram::PeakWorkingSet() const {
    return MemoryCounters().PeakWorkingSetSize;
}

std::size_t StartedProgram::PeakPrivateBytes() const {
    return MemoryCounters().PeakPagefileUsage;
}

} // namespace kesto::bench
