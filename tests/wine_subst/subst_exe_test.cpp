#include "mount_manager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <windows.h>

namespace {

namespace fs = std::filesystem;

constexpr auto npos = std::string::npos;

struct Result {
    std::string output;
    DWORD exit_code;
};

std::wstring subst_exe() {
    using DosFileName = WCHAR*(CDECL*)(const char*);
    const auto to_dos = reinterpret_cast<DosFileName>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    WCHAR* name = to_dos(SUBST_EXE);
    std::wstring path(name);
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}

// Runs subst.exe as the program does: both output streams in one pipe.
Result run_subst(const std::wstring& args, const std::wstring& folder = {}) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    CreatePipe(&read, &write, &inherit, 0);
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    std::wstring line = L"\"" + subst_exe() + L"\" " + args;
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &startup, &process);
    CloseHandle(write);
    Result result{{}, ~0ul};
    if (started) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(read, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
            result.output.append(buffer, got);
        }
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &result.exit_code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(read);
    return result;
}

std::string ansi(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    bytes.pop_back();
    return bytes;
}

class SubstExe : public testing::Test {
  protected:
    void SetUp() override {
        const DWORD used = GetLogicalDrives();
        for (char letter = 'Y'; letter > 'D' && letter_ == 0; --letter) {
            if ((used >> (letter - 'A') & 1) == 0 && !mount_manager_.query(letter)) {
                letter_ = letter;
            }
        }
        ASSERT_NE(letter_, 0) << "no free drive letter";
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        const fs::path folder =
            fs::path(temp) / ("subst-test-" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(folder);
        wchar_t long_name[MAX_PATH] = {};
        GetLongPathNameW(folder.c_str(), long_name, MAX_PATH);
        folder_ = long_name;
    }

    // Whatever failed, the prefix keeps no letter of ours.
    void TearDown() override {
        if (letter_ != 0 && mount_manager_.query(letter_)) {
            mount_manager_.remove(letter_);
        }
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    std::wstring drive() const { return {static_cast<wchar_t>(letter_), L':'}; }
    std::string root() const { return {letter_, ':', '\\'}; }
    std::wstring map_args(const std::wstring& folder) const {
        return drive() + L" \"" + folder + L"\"";
    }
    std::string listed(const std::wstring& folder) const {
        return ansi(drive() + L"\\: => " + folder + L"\r\n");
    }

    MountManager mount_manager_;
    char letter_ = 0;
    std::wstring folder_;
};

TEST_F(SubstExe, MapsListsAndRemovesAFolder) {
    const Result mapped = run_subst(map_args(folder_));
    EXPECT_EQ(mapped.output, "");
    EXPECT_EQ(mapped.exit_code, 0u);
    EXPECT_EQ(GetDriveTypeA(root().c_str()), static_cast<UINT>(DRIVE_FIXED));
    std::ofstream(fs::path(folder_) / "note.txt") << "through the folder";
    std::string text;
    std::getline(std::ifstream(root() + "note.txt"), text);
    EXPECT_EQ(text, "through the folder");
    EXPECT_NE(run_subst(L"").output.find(listed(folder_)), npos);

    const Result again = run_subst(map_args(folder_));
    EXPECT_EQ(again.output, "Drive already SUBSTed\r\n");
    EXPECT_EQ(again.exit_code, 1u);

    const Result removed = run_subst(drive() + L" /D");
    EXPECT_EQ(removed.output, "");
    EXPECT_EQ(removed.exit_code, 0u);
    EXPECT_EQ(run_subst(L"").output.find(ansi(drive() + L"\\:")), npos);
    EXPECT_EQ(GetDriveTypeA(root().c_str()), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
}

TEST_F(SubstExe, ReportsAMissingFolder) {
    const std::wstring missing = folder_ + L"\\missing";
    const Result result = run_subst(map_args(missing));
    EXPECT_EQ(result.output, ansi(L"Path not found - " + missing + L"\r\n"));
    EXPECT_EQ(result.exit_code, 1u);
    EXPECT_FALSE(mount_manager_.query(letter_));
}

TEST_F(SubstExe, TakesQuotedAndRelativeFolders) {
    const std::wstring spaced = folder_ + L"\\My Data";
    fs::create_directory(spaced);
    // The doubled backslash keeps the closing quote from being escaped.
    EXPECT_EQ(run_subst(drive() + L" \"" + spaced + L"\\\\\"").output, "");
    EXPECT_NE(run_subst(L"").output.find(listed(spaced)), npos);
    ASSERT_EQ(run_subst(drive() + L" /d").output, "");

    fs::create_directory(folder_ + L"\\sub");
    EXPECT_EQ(run_subst(drive() + L" sub", folder_).output, "");
    EXPECT_NE(run_subst(L"").output.find(listed(folder_ + L"\\sub")), npos);
}

TEST_F(SubstExe, LeavesRealDrivesAlone) {
    for (const std::wstring letter : {L"C:", L"Z:"}) {
        const Result result = run_subst(letter + L" /d");
        EXPECT_EQ(result.output, ansi(L"Invalid parameter - " + letter + L"\r\n"));
        EXPECT_EQ(result.exit_code, 1u);
    }
    EXPECT_EQ(run_subst(L"C: \"" + folder_ + L"\"").output, "Invalid parameter - C:\r\n");
    EXPECT_EQ(GetDriveTypeA("C:\\"), static_cast<UINT>(DRIVE_FIXED));
    EXPECT_TRUE(fs::is_directory("C:\\windows"));
    EXPECT_EQ(run_subst(L"").output, "");
}

TEST_F(SubstExe, RemovesAMappingWhoseFolderIsGone) {
    ASSERT_EQ(run_subst(map_args(folder_)).output, "");
    fs::remove_all(folder_);
    EXPECT_EQ(run_subst(drive() + L" /d").output, "");
    EXPECT_FALSE(mount_manager_.query(letter_));
}

} // namespace
