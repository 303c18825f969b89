#include "uidriver/process.h"

#include "uidriver/error.h"
#include "uidriver/text.h"

#include <utility>

namespace kesto::uidriver {

namespace {

constexpr UINT kTerminatedExitCode = 0xDEAD;

BOOL CALLBACK CloseMainWindows(HWND window, LPARAM processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(processId) && IsWindowVisible(window) &&
        GetWindow(window, GW_OWNER) == nullptr) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

} // namespace

Process Process::Start(const std::string& commandLine, const std::filesystem::path& workingFolder) {
    std::wstring line = Widen(commandLine); // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.c_str(), &startup, &info)) {
        ThrowLastError("CreateProcessW of " + commandLine);
    }
    CloseHandle(info.hThread);
    return Process(info.hProcess, info.dwProcessId);
}

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), id_(other.id_) {}

Process::~Process() {
    if (handle_ != nullptr) {
        CloseHandle(handle_);
    }
}

bool Process::Running() const {
    return !WaitForExit(milliseconds(0));
}

bool Process::WaitForExit(milliseconds timeout) const {
    return WaitForSingleObject(handle_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

bool Process::Stop(milliseconds timeout) const {
    if (!Running()) {
        return true;
    }
    EnumWindows(CloseMainWindows, static_cast<LPARAM>(id_));
    if (WaitForExit(timeout)) {
        return true;
    }
    Terminate();
    return false;
}

void Process::Terminate() const {
    TerminateProcess(handle_, kTerminatedExitCode);
    WaitForSingleObject(handle_, INFINITE);
}

} // namespace kesto::uidriver
