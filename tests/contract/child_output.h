// The bytes the contract tests' child process writes.
#pragma once

#include <string>

namespace kesto::contract {

inline std::string ChildOutput(int bytes) {
    std::string text;
    for (int i = 0; i < bytes; ++i) {
        text += static_cast<char>('a' + i % 26);
    }
    return text;
}

} // namespace kesto::contract
