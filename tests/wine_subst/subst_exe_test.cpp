#include "mount_manager.h"

#include "uidriver/console.h"
#include "uidriver/text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <windows.h>

namespace {

namespace fs = std::filesystem;

constexpr auto npos = std::string::npos;

using namespace std::chrono_literals;

std::string Utf8(const std::wstring& text) {
    return kesto::uidriver::Narrow(text);
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
    std::wstring map_args(const std::wstring& folder) const {
        return drive() + L" \"" + folder + L"\"";
    }
    std::string listed(const std::wstring& folder) const {
        return Utf8(drive() + L"\\: => " + folder + L"\r\n");
    }
    // Runs subst.exe as the program does, both output streams in one pipe, from the folder that
    // holds the test's folder; its output in UTF-8.
    kesto::uidriver::CommandOutput run_subst(const std::wstring& args) const {
        kesto::uidriver::CommandOutput result =
            kesto::uidriver::RunCommand(kesto::uidriver::QuotedPath(SUBST_EXE) + ' ' + Utf8(args),
                                        fs::path(folder_).parent_path(), 30s);
        result.output = kesto::uidriver::AnsiToUtf8(result.output);
        return result;
    }

    MountManager mount_manager_;
    char letter_ = 0;
    std::wstring folder_;
};

// Mapping, listing and removing the end-to-end cases prove through the program.
TEST_F(SubstExe, RefusesALetterAlreadyMapped) {
    ASSERT_EQ(run_subst(map_args(folder_)).output, "");
    const auto again = run_subst(map_args(folder_));
    EXPECT_EQ(again.output, "Drive already SUBSTed\r\n");
    EXPECT_EQ(again.exitCode, 1u);
}

TEST_F(SubstExe, ReportsAMissingFolder) {
    const std::wstring missing = folder_ + L"\\missing";
    const auto result = run_subst(map_args(missing));
    EXPECT_EQ(result.output, Utf8(L"Path not found - " + missing + L"\r\n"));
    EXPECT_EQ(result.exitCode, 1u);
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
    EXPECT_EQ(run_subst(drive() + L" " + fs::path(folder_).filename().wstring() + L"\\sub").output,
              "");
    EXPECT_NE(run_subst(L"").output.find(listed(folder_ + L"\\sub")), npos);
}

TEST_F(SubstExe, LeavesRealDrivesAlone) {
    for (const std::wstring letter : {L"C:", L"Z:"}) {
        const auto result = run_subst(letter + L" /d");
        EXPECT_EQ(result.output, Utf8(L"Invalid parameter - " + letter + L"\r\n"));
        EXPECT_EQ(result.exitCode, 1u);
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
