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
inline std::uint32_t ExpectedAnsiCodePage() {
    const char* const codePage = std::getenv("KESTO_CONTRACT_CODE_PAGE");
    return codePage ? static_cast<std::uint32_t>(std::atoi(codePage)) : 936;
}
platform::Os& SystemUnderTest();
// The handles the process holds, those SystemUnderTest() gave among them.
std::size_t HandlesOpen();
// The bytes of a file, nothing when it cannot be read.
std::optional<std::string> FileBytes(const std::string& path);

// A value under HKEY_CURRENT_USER as the system reads it back through RegQueryValueExW, as the
// shell does: its UTF-16 data in UTF-8, as many units as its stored size holds, zeros included.
struct StoredValue {
    std::uint32_t type = 0;
    std::string wideData;
};
std::optional<StoredValue> RegistryValue(const std::string& subKey, const std::string& name);
// Deletes the key and all below it.
void DeleteRegistryKey(const std::string& subKey);
// A fresh, empty folder of the system under test, ending without a backslash.
std::string ScratchFolder();
// Makes the folder and those above it, however long its path.
void MakeFolders(const std::string& path);
// A command line that starts a child which writes `bytes` bytes (ChildOutput) to its standard
// output, then to its standard error `errorText` when it was given a console of its own without
// a window, and other text when not.
std::string ChildCommandLine(int bytes, const std::string& errorText);
// Opens the file (made when missing) as another program might, sharing it with nobody, until the
// result is let go.
std::shared_ptr<void> HoldWithoutSharing(const std::string& file);

inline std::string ChildOutput(int bytes) {
    std::string text;
    for (int i = 0; i < bytes; ++i) {
        text += static_cast<char>('a' + i % 26);
    }
    return text;
}

} // namespace kesto::contract
