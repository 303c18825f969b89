#include "command/ansi_decoder.h"

namespace kesto::command {

std::string AnsiStreamDecoder::Decode(const std::string& bytes, bool last) {
    std::string data = pendingLeadByte_ + bytes;
    pendingLeadByte_.clear();
    std::size_t whole = 0;
    while (whole < data.size()) {
        const bool lead = os_.IsDbcsLeadByte(static_cast<unsigned char>(data[whole]));
        if (lead && whole + 1 == data.size() && !last) {
            pendingLeadByte_ = data.substr(whole);
            data.resize(whole);
            break;
        }
        whole += lead ? 2 : 1;
    }
    return data.empty() ? std::string() : os_.FromAnsi(data);
}

} // namespace kesto::command
