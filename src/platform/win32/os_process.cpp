// Win32Os: the process itself (its command line, its file), pipes, child processes, reads, closes.
#include "platform/win32/win32_os.h"

#include "platform/win32/conversions.h"
#include "platform/win32/wide_text.h"

namespace kesto::platform::win32 {

namespace {
SECURITY_ATTRIBUTES Inheritable() {
    return {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
}
HANDLE ToHandleValue(Handle handle) {
    return reinterpret_cast<HANDLE>(handle);
}
} // namespace

bool Win32Os::CreatePipe(PipeEnds& ends) {
    SECURITY_ATTRIBUTES attributes = Inheritable();
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!::CreatePipe(&read, &write, &attributes, 0)) {
        lastError_ = ::GetLastError();
        return false;
    }
    ends.read = ToHandle(read);
    ends.write = ToHandle(write);
    return true;
}

bool Win32Os::CreateProcessA(const std::string& ansiCommandLine, std::uint32_t creationFlags,
                             const StartupInfo& startup, ProcessHandles& out) {
    SECURITY_ATTRIBUTES attributes = Inheritable();
    STARTUPINFOA info{};
    info.cb = sizeof info;
    info.dwFlags = startup.flags;
    info.wShowWindow = startup.showWindow;
    info.hStdOutput = ToHandleValue(startup.stdOutput);
    info.hStdError = ToHandleValue(startup.stdError);
    PROCESS_INFORMATION process{};
    std::string commandLine = ansiCommandLine; // CreateProcessA may write into it
    const BOOL started = ::CreateProcessA(nullptr, commandLine.data(), &attributes, &attributes,
                                          TRUE, creationFlags, nullptr, nullptr, &info, &process);
    if (started != TRUE) {
        return false;
    }
    out.process = ToHandle(process.hProcess);
    out.thread = ToHandle(process.hThread);
    return true;
}

bool Win32Os::ReadFile(Handle handle, std::size_t capacity, std::string& data) {
    data.assign(capacity, '\0');
    DWORD read = 0;
    const BOOL ok = ::ReadFile(ToHandleValue(handle), data.data(), static_cast<DWORD>(capacity),
                               &read, nullptr);
    data.resize(read);
    if (ok == FALSE) {
        lastError_ = ::GetLastError();
        return false;
    }
    return true;
}

bool Win32Os::CloseHandle(Handle handle) {
    return ::CloseHandle(ToHandleValue(handle)) != FALSE;
}

std::string Win32Os::ModuleFileName() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

std::string Win32Os::CommandLine() {
    return Narrow(::GetCommandLineW());
}

void Win32Os::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

} // namespace kesto::platform::win32
