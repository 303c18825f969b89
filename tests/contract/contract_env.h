// What the contract tests need from the system they run on: the real Win32 calls under Wine, or
// the in-memory fakes natively. The same cases must hold on both.
#pragma once

#include "platform/os.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace kesto::contract {

// The ANSI code page the run was set up for: KESTO_CONTRACT_CODE_PAGE, 936 unless told.
std::uint32_t ExpectedAnsiCodePage();
platform::Os& SystemUnderTest();
// The pipe and process handles SystemUnderTest() gave that are still open.
std::size_t HandlesOpen();
// The bytes of a file, nothing when it cannot be read.
std::optional<std::string> FileBytes(const std::string& path);

// A value under HKEY_CURRENT_USER as the system reads it back through RegQueryValueExW, as the
// shell does.
struct StoredValue {
    std::uint32_t type = 0;
    std::string wideData;       // the UTF-16 data in UTF-8, every zero in it kept
    std::uint32_t wideSize = 0; // in bytes
};
std::optional<StoredValue> RegistryValue(const std::string& subKey, const std::string& name);
// Deletes the key and all below it; true when nothing of it is left.
bool DeleteRegistryKey(const std::string& subKey);
// A fresh, empty folder of the system under test, ending without a backslash.
std::string ScratchFolder();
// Makes the folder and those above it, however long its path.
void MakeFolders(const std::string& path);
// A command line that starts a child which writes `bytes` bytes ('a' to 'z' over and over) to
// its standard output, then `errorText` to its standard error.
std::string ChildCommandLine(int bytes, const std::string& errorText);
// A command line that starts a child which tells what console it was given (child_output.h).
std::string ConsoleChildCommandLine();
// Opens the file (made when missing) as another program might, sharing it with nobody, until the
// result is let go.
std::shared_ptr<void> HoldWithoutSharing(const std::string& file);

inline std::uint32_t ExpectedAnsiCodePage() {
    const char* const codePage = std::getenv("KESTO_CONTRACT_CODE_PAGE");
    return codePage ? static_cast<std::uint32_t>(std::atoi(codePage)) : 936;
}

} // namespace kesto::contract
