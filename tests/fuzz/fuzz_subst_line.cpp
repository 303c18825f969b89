// The listing split and the picking of parts out of subst lines, on any text.
#include "app/subst_line.h"
#include "app/text.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstdint>
#include <string>

using namespace kesto::app;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string listing(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = SplitListing(listing);

    // The lines put back together are the listing up to its last line break.
    std::string joined;
    for (const std::string& line : lines) {
        FUZZ_REQUIRE(line.find("\r\n") == std::string::npos);
        joined += line + "\r\n";
        const std::string drive = DriveOf(line);
        const std::string folder = FolderOf(line);
        FUZZ_REQUIRE(line.starts_with(drive));
        FUZZ_REQUIRE(Left(line, 8) + folder == line);
        if (IsMappingLine(line)) {
            FUZZ_REQUIRE(drive.size() == 2 && drive[1] == ':');
            FUZZ_REQUIRE(folder.size() >= 3 && folder.compare(1, 2, ":\\") == 0);
        }
    }
    FUZZ_REQUIRE(listing.compare(0, joined.size(), joined) == 0);
    FUZZ_REQUIRE(listing.find("\r\n", joined.size()) == std::string::npos);

    for (std::size_t count = 0; count <= std::min<std::size_t>(size, 12); ++count) {
        FUZZ_REQUIRE(Left(listing, count) + Mid(listing, count + 1) == listing);
    }
    CarriesAnotherMapping(lines, lines.empty() ? listing : lines.back());
    return 0;
}
