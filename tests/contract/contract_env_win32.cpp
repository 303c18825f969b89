#include "contract/child_output.h"
#include "contract/contract_env.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_os.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace kesto::contract {

platform::Os& SystemUnderTest() {
    static platform::win32::Win32Os os;
    return os;
}

// Folders of earlier runs may linger under a process id that Wine hands out again: take the
// first free name, and leave nothing behind.
std::string ScratchFolder() {
    static std::vector<std::filesystem::path> made;
    static const struct Cleanup {
        ~Cleanup() {
            for (const auto& folder : made) {
                std::error_code ignored;
                std::filesystem::remove_all(folder, ignored);
            }
        }
    } cleanup;
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    for (int attempt = 0;; ++attempt) {
        const std::wstring folder = std::wstring(temp) + L"kesto-contract-" +
                                    std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                    std::to_wstring(made.size()) + L"-" + std::to_wstring(attempt);
        if (::CreateDirectoryW(folder.c_str(), nullptr)) {
            made.push_back(folder);
            return platform::win32::Narrow(folder);
        }
    }
}

namespace {

std::string QuotedSelf() {
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    // Built up in steps: "\"" + text trips a false -Wrestrict in GCC 12.
    std::string quoted = "\"";
    quoted += platform::win32::Narrow(self);
    quoted += "\"";
    return quoted;
}

// Its own console, and no window for it: only CREATE_NO_WINDOW gives both.
bool HasWindowlessConsole() {
    DWORD processes[4];
    return ::GetConsoleProcessList(processes, 4) == 1 && ::GetConsoleWindow() == nullptr;
}

} // namespace

std::string ChildCommandLine(int bytes, const std::string& errorText) {
    return QuotedSelf() + " --child " + std::to_string(bytes) + " " + errorText;
}

std::string ConsoleChildCommandLine() {
    return QuotedSelf() + " --console";
}

} // namespace kesto::contract

// The test executable is also the child process that the pipe cases start.
int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--console") == 0) {
        std::fputs(kesto::contract::HasWindowlessConsole() ? kesto::contract::kWindowlessConsole
                                                           : "another console",
                   stdout);
        return 0;
    }
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
