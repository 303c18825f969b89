// What the contract tests need from the system they run on: the real Win32 calls under Wine, or
// the in-memory fakes natively. The same cases must hold on both.
#pragma once

#include "platform/os.h"

#include <string>

namespace kesto::contract {

platform::Os& SystemUnderTest();
// A fresh, empty folder of the system under test, ending without a backslash.
std::string ScratchFolder();
// A command line that starts a child which writes `bytes` bytes ('a' to 'z' over and over) to
// its standard output, then `errorText` to its standard error.
std::string ChildCommandLine(int bytes, const std::string& errorText);
// A command line that starts a child which tells what console it was given (child_output.h).
std::string ConsoleChildCommandLine();

} // namespace kesto::contract
