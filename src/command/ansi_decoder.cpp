// ANSI bytes to UTF-8 as they arrive, holding back a character cut between two reads.
#include "command/ansi_decoder.h"

#include "command/utf8.h"

namespace kesto::command {

namespace {

constexpr std::uint32_t kUtf8CodePage = 65001;

// The length of the UTF-8 sequence that `lead` begins, or 0 for a byte that begins none.
std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// Whether `second` may follow `lead` in a well-formed character: some leads narrow the range
// (no overlong forms, no surrogates, nothing beyond U+10FFFF).
bool FitsAfterLead(unsigned char lead, unsigned char second) {
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    return second >= low && second <= high;
}

// A character cut off by the end of the piece: its lead byte within the last three bytes, only
// continuation bytes after it that may stand there, and fewer of them than it announces. Bytes
// already known to be ill-formed are not held back: they cannot become a character.
std::size_t IncompleteUtf8Tail(const std::string& data) {
    for (std::size_t back = 1; back <= 3 && back <= data.size(); ++back) {
        const auto byte = static_cast<unsigned char>(data[data.size() - back]);
        if (IsUtf8Continuation(byte)) {
            continue;
        }
        const bool fits =
            back == 1 ||
            FitsAfterLead(byte, static_cast<unsigned char>(data[data.size() - back + 1]));
        return fits && Utf8SequenceLength(byte) > back ? back : 0;
    }
    return 0;
}

} // namespace

std::size_t AnsiStreamDecoder::IncompleteTail(const std::string& data) const {
    if (os_.AnsiCodePage() == kUtf8CodePage) {
        return IncompleteUtf8Tail(data);
    }
    std::size_t whole = 0;
    while (whole < data.size()) {
        const bool lead = os_.IsDbcsLeadByte(static_cast<unsigned char>(data[whole]));
        if (lead && whole + 1 == data.size()) {
            return 1;
        }
        whole += lead ? 2 : 1;
    }
    return 0;
}

std::string AnsiStreamDecoder::Decode(const std::string& bytes, bool last) {
    std::string data = pending_ + bytes;
    pending_.clear();
    if (!last) {
        const std::size_t tail = IncompleteTail(data);
        pending_ = data.substr(data.size() - tail);
        data.resize(data.size() - tail);
    }
    return data.empty() ? std::string() : os_.FromAnsi(data);
}

} // namespace kesto::command
