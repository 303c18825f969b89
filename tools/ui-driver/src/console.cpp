// The output read on a thread while the wait runs, so that a full pipe cannot hold the child up.
#include "uidriver/console.h"

#include "uidriver/error.h"
#include "uidriver/text.h"

#include <thread>

namespace kesto::uidriver {

namespace {

class Handle {
  public:
    explicit Handle(HANDLE handle = nullptr) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return handle_; }
    HANDLE* Out() { return &handle_; }
    void Close() {
        if (handle_ != nullptr) {
            CloseHandle(handle_);
            handle_ = nullptr;
        }
    }

  private:
    HANDLE handle_;
};

std::string ReadAll(HANDLE pipe) {
    std::string output;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(pipe, chunk, sizeof(chunk), &read, nullptr) && read > 0) {
        output.append(chunk, read);
    }
    return output;
}

} // namespace

CommandOutput RunCommand(const std::string& commandLine, const std::filesystem::path& workingFolder,
                         milliseconds timeout) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    Handle readEnd, writeEnd;
    if (!CreatePipe(readEnd.Out(), writeEnd.Out(), &inherit, 0)) {
        ThrowLastError("CreatePipe");
    }
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = writeEnd.Get();
    PROCESS_INFORMATION info{};
    // Wine now and then refuses a start with ERROR_INTERNAL_ERROR when the machine is loaded; the
    // same start a moment later succeeds.
    for (int attempt = 1;; ++attempt) {
        std::wstring line = Widen(commandLine); // CreateProcessW may write into it
        if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                           workingFolder.c_str(), &startup, &info)) {
            break;
        }
        if (GetLastError() != ERROR_INTERNAL_ERROR || attempt == 3) {
            ThrowLastError("CreateProcessW of " + commandLine);
        }
        Sleep(200);
    }
    Handle process(info.hProcess), thread(info.hThread);
    // Only the child may hold the write end, or the read below never sees the pipe end.
    writeEnd.Close();

    CommandOutput result;
    std::thread reader([&] { result.output = ReadAll(readEnd.Get()); });
    const bool ended =
        WaitForSingleObject(process.Get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
    if (!ended) {
        TerminateProcess(process.Get(), 1);
        WaitForSingleObject(process.Get(), INFINITE);
    }
    reader.join();
    if (!ended) {
        throw DriverError(commandLine + " did not end within " + std::to_string(timeout.count()) +
                          " ms");
    }
    GetExitCodeProcess(process.Get(), &result.exitCode);
    return result;
}

} // namespace kesto::uidriver
