// Decodes a stream of ANSI bytes that arrives in pieces, keeping a character whose bytes are
// split between two pieces whole: a double-byte character, or one of up to four bytes where the
// ANSI code page is UTF-8.
#pragma once

#include "platform/os.h"

#include <string>

namespace kesto::command {

class AnsiStreamDecoder {
  public:
    explicit AnsiStreamDecoder(const platform::Os& os) : os_(os) {}

    // Returns the UTF-8 text of every whole character so far. With `last`, the bytes of a
    // character still waiting for the rest of it are decoded on their own.
    std::string Decode(const std::string& bytes, bool last);

  private:
    // How many bytes at the end of `data` begin a character that is not complete yet.
    std::size_t IncompleteTail(const std::string& data) const;

    const platform::Os& os_;
    std::string pending_;
};

} // namespace kesto::command
