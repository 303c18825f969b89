#include "contract/child_output.h"
#include "contract/contract_env.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_os.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace kesto::contract {

platform::Os& SystemUnderTest() {
    static platform::win32::Win32Os os;
    return os;
}

std::string ScratchFolder() {
    static int count = 0;
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::string folder = platform::win32::Narrow(temp) + "kesto-contract-" +
                               std::to_string(::GetCurrentProcessId()) + "-" +
                               std::to_string(++count);
    ::CreateDirectoryW(platform::win32::Widen(folder).c_str(), nullptr);
    return folder;
}

std::string ChildCommandLine(int bytes, const std::string& errorText) {
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::string commandLine = "\"";
    commandLine += platform::win32::Narrow(self);
    commandLine += "\" --child " + std::to_string(bytes) + " " + errorText;
    return commandLine;
}

} // namespace kesto::contract

// The test executable is also the child process that the pipe cases start.
int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0) {
        const std::string output = kesto::contract::ChildOutput(std::atoi(argv[2]));
        std::fwrite(output.data(), 1, output.size(), stdout);
        std::fflush(stdout);
        std::fputs(argv[3], stderr);
        return 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
