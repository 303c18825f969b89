// Decodes a stream of ANSI bytes that arrives in pieces, keeping a double-byte character whose
// lead byte ends one piece together with its trail byte from the next.
#pragma once

#include "platform/os.h"

#include <string>

namespace kesto::command {

class AnsiStreamDecoder {
  public:
    explicit AnsiStreamDecoder(const platform::Os& os) : os_(os) {}

    // Returns the UTF-8 text of every whole character so far. With `last`, a lead byte still
    // waiting for its partner is decoded on its own.
    std::string Decode(const std::string& bytes, bool last);

  private:
    const platform::Os& os_;
    std::string pendingLeadByte_;
};

} // namespace kesto::command
