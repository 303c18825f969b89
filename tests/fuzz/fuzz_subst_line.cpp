// The listing split and the picking of parts out of subst lines, on any text, each checked
// against an oracle that works another way than the code under test.
#include "app/subst_line.h"
#include "app/text.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstdint>
#include <regex>
#include <string>
#include <vector>

using namespace kesto::app;

namespace {

bool LooksLikeMappingLine(const std::string& line) {
    static const std::regex mapping(R"([A-Za-z]:\\: => [A-Za-z]:\\)");
    return std::regex_search(line, mapping, std::regex_constants::match_continuous);
}

// The text cut into its UTF-8 characters: a byte with the continuation bytes after it.
std::vector<std::string> Characters(const std::string& text) {
    std::vector<std::string> characters;
    for (const char byte : text) {
        if (characters.empty() || (static_cast<unsigned char>(byte) & 0xC0) != 0x80) {
            characters.emplace_back();
        }
        characters.back() += byte;
    }
    return characters;
}

// A drive carries another mapping when some line's ninth character, where its target folder
// starts, is the drive's letter.
bool TargetsDrive(const std::vector<std::string>& lines, const std::string& selected) {
    const std::vector<std::string> letter = Characters(selected);
    return !letter.empty() &&
           std::any_of(lines.begin(), lines.end(), [&letter](const std::string& line) {
               const std::vector<std::string> characters = Characters(line);
               return characters.size() > 8 && characters[8] == letter[0];
           });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string listing(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = SplitListing(listing);

    // The lines put back together are the listing up to its last line break.
    std::string joined;
    for (const std::string& line : lines) {
        FUZZ_REQUIRE(line.find("\r\n") == std::string::npos);
        joined += line + "\r\n";
        FUZZ_REQUIRE(DriveOf(line) + Left(Mid(line, 3), 6) + FolderOf(line) == line);
        FUZZ_REQUIRE(IsMappingLine(line) == LooksLikeMappingLine(line));
    }
    FUZZ_REQUIRE(listing.compare(0, joined.size(), joined) == 0);
    FUZZ_REQUIRE(listing.find("\r\n", joined.size()) == std::string::npos);

    for (std::size_t count = 0; count <= std::min<std::size_t>(size, 12); ++count) {
        FUZZ_REQUIRE(Left(listing, count) + Mid(listing, count + 1) == listing);
    }
    for (const std::string& selected : lines) {
        const bool carries = CarriesAnotherMapping(lines, selected);
        FUZZ_REQUIRE(carries == TargetsDrive(lines, selected));
    }
    return 0;
}
