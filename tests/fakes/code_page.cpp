#include "fakes/code_page.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <string_view>

namespace kesto::fakes {

std::string CodePageName(int codePage) {
    return codePage == 65001 ? "UTF-8" : "CP" + std::to_string(codePage);
}

int OemCodePageOf(int ansiCodePage) {
    return ansiCodePage == 1252 ? 437 : ansiCodePage == 1251 ? 866 : ansiCodePage;
}

std::optional<std::string> ConvertExactly(const std::string& text, const std::string& from,
                                          const std::string& to) {
    const std::string converted = ConvertCodePage(text, from, to);
    // Every replacement is a '?' of its own, beside those the text held.
    const auto count = [](const std::string& s) { return std::count(s.begin(), s.end(), '?'); };
    return count(converted) == count(text) ? std::optional(converted) : std::nullopt;
}

namespace {

// The length of the character that `lead` begins in UTF-8; 1 for a byte that begins none.
std::size_t Utf8Length(unsigned char lead) {
    return lead >= 0xC2 && lead <= 0xDF   ? 2
           : lead >= 0xE0 && lead <= 0xEF ? 3
           : lead >= 0xF0 && lead <= 0xF4 ? 4
                                          : 1;
}

// The text with every ill-formed piece replaced as Windows and Wine do, by one replacement each:
// a byte that begins no character on its own; else its lead byte with the continuation bytes
// that follow, up to the length it announces, the first that cannot stand there included.
// (iconv would pass some of them on, such as characters beyond U+10FFFF.)
std::string WellFormedUtf8(const std::string& text) {
    std::string result;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = Utf8Length(lead);
        // Where the second byte's range is narrower than that of every continuation byte.
        const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        std::size_t whole = 1;
        bool wrongSecond = false;
        for (; whole < length && at + whole < text.size(); ++whole) {
            const auto next = static_cast<unsigned char>(text[at + whole]);
            if ((next & 0xC0) != 0x80) {
                break;
            }
            if (whole == 1 && (next < low || next > high)) {
                wrongSecond = true;
                ++whole;
                break;
            }
        }
        if (lead < 0x80 || (length > 1 && whole == length && !wrongSecond)) {
            result.append(text, at, whole);
        } else {
            result += '?';
        }
        at += whole;
    }
    return result;
}

} // namespace

std::string ConvertCodePage(const std::string& text, const std::string& from,
                            const std::string& to) {
    iconv_t converter = iconv_open(to.c_str(), from.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("no conversion from " + from + " to " + to);
    }
    std::string input = from == "UTF-8" ? WellFormedUtf8(text) : text;
    std::string result;
    char* in = input.data();
    std::size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t done = iconv(converter, &in, &inLeft, &out, &outLeft);
        result.append(buffer, static_cast<std::size_t>(out - buffer));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // An unconvertible or cut-off character: one replacement, then go on after it.
            // Code page 936 takes a lead byte and the byte after it as one character, even when
            // the pair names none.
            result += '?';
            std::size_t skip = 1;
            const auto first = static_cast<unsigned char>(in[0]);
            if (from == "CP936" && first >= 0x81 && first <= 0xFE && inLeft >= 2) {
                skip = 2;
            } else if (from == "UTF-8") {
                skip = Utf8Length(first);
            }
            in += skip;
            inLeft -= skip;
        }
    }
    iconv_close(converter);
    return result;
}

} // namespace kesto::fakes
