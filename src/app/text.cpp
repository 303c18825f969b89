// UTF-8 characters counted and cut, for the fields of subst lines.
#include "app/text.h"

#include "command/utf8.h"

namespace kesto::app {

namespace {

// Byte offset of character number `index` (0-based), or the text's size when it has fewer.
std::size_t ByteOffset(const std::string& text, std::size_t index) {
    std::size_t offset = 0;
    for (std::size_t seen = 0; offset < text.size() && seen < index; ++seen) {
        ++offset;
        while (offset < text.size() &&
               command::IsUtf8Continuation(static_cast<unsigned char>(text[offset]))) {
            ++offset;
        }
    }
    return offset;
}

} // namespace

std::string Left(const std::string& text, std::size_t count) {
    return text.substr(0, ByteOffset(text, count));
}

std::string Mid(const std::string& text, std::size_t start) {
    return start == 0 ? text : text.substr(ByteOffset(text, start - 1));
}

std::size_t Utf16Length(const std::string& text) {
    std::size_t length = 0;
    for (const char byte : text) {
        const auto value = static_cast<unsigned char>(byte);
        length += command::IsUtf8Continuation(value) ? 0 : value >= 0xF0 ? 2 : 1;
    }
    return length;
}

} // namespace kesto::app
