// What splitting UTF-8 text into characters needs.
#pragma once

namespace kesto::command {

// A byte that carries on a character begun before it rather than beginning one.
constexpr bool IsUtf8Continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace kesto::command
