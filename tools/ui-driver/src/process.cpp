// Starting with variables of the test's own, and stopping by closing the windows, then by force.
#include "uidriver/process.h"

#include "uidriver/error.h"
#include "uidriver/text.h"

#include <algorithm>
#include <cwchar>
#include <string_view>
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

bool SameName(std::wstring_view entry, const std::wstring& name) {
    return entry.size() > name.size() && entry[name.size()] == L'=' &&
           CompareStringOrdinal(entry.data(), static_cast<int>(name.size()), name.c_str(),
                                static_cast<int>(name.size()), TRUE) == CSTR_EQUAL;
}

// The caller's variables, those named in extra replaced, as CreateProcessW takes them: each
// ended by a null, the block by one more.
std::wstring EnvironmentBlock(const Environment& extra) {
    std::vector<std::wstring> names;
    std::wstring block;
    for (const auto& [name, value] : extra) {
        names.push_back(Widen(name));
        block += names.back() + L'=' + Widen(value) + L'\0';
    }
    wchar_t* inherited = GetEnvironmentStringsW();
    for (const wchar_t* entry = inherited; *entry != L'\0'; entry += wcslen(entry) + 1) {
        const std::wstring_view text(entry);
        if (std::none_of(names.begin(), names.end(),
                         [&](const std::wstring& name) { return SameName(text, name); })) {
            block.append(text) += L'\0';
        }
    }
    FreeEnvironmentStringsW(inherited);
    return block + L'\0';
}

} // namespace

Process Process::Start(const std::string& commandLine, const std::filesystem::path& workingFolder,
                       const Environment& extra) {
    std::wstring line = Widen(commandLine); // CreateProcessW may write into it
    std::wstring environment = EnvironmentBlock(extra);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        environment.data(), workingFolder.c_str(), &startup, &info)) {
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
