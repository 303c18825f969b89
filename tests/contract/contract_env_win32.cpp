#include "contract/contract_env.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_os.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace kesto::contract {

platform::Os& SystemUnderTest() {
    static platform::win32::Win32Os os;
    return os;
}

// Wine's GetProcessHandleCount tells none: every handle value is tried instead. Handles are small
// multiples of four, the lowest free one given first.
std::size_t HandlesOpen() {
    std::size_t open = 0;
    DWORD flags = 0;
    for (std::uintptr_t handle = 4; handle < 0x1000; handle += 4) {
        open += ::GetHandleInformation(reinterpret_cast<HANDLE>(handle), &flags) ? 1 : 0;
    }
    return open;
}

// One folder of the prefix's own, emptied at the start, so that nothing of an earlier run is in
// the way, and removed at the end. Runs in one prefix take turns.
std::string ScratchFolder() {
    static const struct Root {
        std::filesystem::path path = std::filesystem::temp_directory_path() / "kesto-contract";
        Root() { std::filesystem::remove_all(path); }
        ~Root() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } root;
    static int made = 0;
    const std::filesystem::path folder = root.path / std::to_string(++made);
    std::filesystem::create_directories(folder);
    return platform::win32::Narrow(folder.wstring());
}

void MakeFolders(const std::string& path) {
    std::filesystem::create_directories(L"\\\\?\\" + platform::win32::Widen(path));
}

std::optional<std::string> FileBytes(const std::string& path) {
    std::ifstream file(std::filesystem::path(platform::win32::Widen(path)), std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::optional<StoredValue> RegistryValue(const std::string& subKey, const std::string& name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, platform::win32::Widen(subKey).c_str(), 0,
                        KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<BYTE> data(4096);
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    const bool read = ::RegQueryValueExW(key, platform::win32::Widen(name).c_str(), nullptr, &type,
                                         data.data(), &size) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    if (!read) {
        return std::nullopt;
    }
    return StoredValue{type, platform::win32::Narrow(std::wstring(
                                 reinterpret_cast<const wchar_t*>(data.data()), size / 2))};
}

void DeleteRegistryKey(const std::string& subKey) {
    const std::wstring wide = platform::win32::Widen(subKey);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, wide.c_str());
    ::RegDeleteKeyW(HKEY_CURRENT_USER, wide.c_str());
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

// The profile functions open the file each time with sharing for reading and writing, whichever
// process holds it: a handle of our own that shares nothing stands for another program's.
std::shared_ptr<void> HoldWithoutSharing(const std::string& file) {
    const HANDLE held =
        ::CreateFileW(platform::win32::Widen(file).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return std::shared_ptr<void>(held, [](void* handle) { ::CloseHandle(handle); });
}

} // namespace kesto::contract

// The test executable is also the child process that the pipe cases start.
int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0) {
        const std::string output = kesto::contract::ChildOutput(std::atoi(argv[2]));
        std::fwrite(output.data(), 1, output.size(), stdout);
        std::fflush(stdout);
        std::fputs(kesto::contract::HasWindowlessConsole() ? argv[3] : "another console", stderr);
        return 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
