// Starting and killing the program, its memory counters, and the wait for Wine's shell after it.
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

namespace {

// Time for the shell to notice that the program's tray icon went with it.
constexpr DWORD kShellNoticeMs = 300;
constexpr UINT kShellTimeoutMs = 10000;

// Wine's explorer then hides its tray window, and with no window manager on Xvfb it waits two
// seconds for that, holding up every window the next start makes. Its desktop window answers
// once it is done.
void WaitForShell() {
    Sleep(kShellNoticeMs);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(GetDesktopWindow(), WM_NULL, 0, 0, SMTO_NORMAL, kShellTimeoutMs, &ignored);
}

} // namespace

StartedProgram::~StartedProgram() {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, INFINITE);
    CloseHandle(process_);
    WaitForShell();
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
