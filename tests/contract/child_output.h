// The bytes the contract tests' child process writes.
#pragma once

#include <string>

namespace kesto::contract {

// What the child started by ConsoleChildCommandLine prints when it has a console of its own
// and that console has no window; anything else otherwise.
inline constexpr char kWindowlessConsole[] = "own console, no window";

inline std::string ChildOutput(int bytes) {
    std::string text;
    for (int i = 0; i < bytes; ++i) {
        text += static_cast<char>('a' + i % 26);
    }
    return text;
}

} // namespace kesto::contract
