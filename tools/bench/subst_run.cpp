// The child started as the program's runner starts it, with its creation flags and startup
// information, read in its chunk size to the pipe's end.
#include "subst_run.h"

#include "command/dos_outputs.h"
#include "stopwatch.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace kesto::bench {

namespace {
constexpr DWORD kReadBufferSize = command::DOSOutputs::kReadBufferSize;
} // namespace

SubstRun RunSubst(const std::string& commandLine) {
    SubstRun run;
    const double start = NowMs();
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!CreatePipe(&read, &write, &inheritable, 0)) {
        throw std::runtime_error("CreatePipe failed");
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdOutput = write;
    startup.hStdError = write;
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), &inheritable, &inheritable, TRUE,
                        command::DOSOutputs::kCreationFlags, nullptr, nullptr, &startup,
                        &process)) {
        const DWORD error = GetLastError();
        CloseHandle(read);
        CloseHandle(write);
        throw std::runtime_error("cannot start " + commandLine + ", error " +
                                 std::to_string(error));
    }
    CloseHandle(write);
    char buffer[kReadBufferSize];
    DWORD got = 0;
    while (ReadFile(read, buffer, kReadBufferSize, &got, nullptr)) {
        run.output.append(buffer, got);
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(read);
    run.ms = NowMs() - start;
    return run;
}

} // namespace kesto::bench
