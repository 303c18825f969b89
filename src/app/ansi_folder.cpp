// Folders the ANSI code page can spell: the short form first, else the folder as given.
#include "app/ansi_folder.h"

#include <cstdint>

namespace kesto::app {

namespace {
constexpr std::size_t kShortNameBuffer = 250;
} // namespace

std::string ShortName(platform::Os& os, const std::string& longPath) {
    std::string shortPath;
    const std::uint32_t result = os.GetShortPathNameW(longPath, kShortNameBuffer - 1, shortPath);
    if (result == 0) {
        return {};
    }
    // The short form did not fit: ask again with the room the system says it needs.
    if (result >= kShortNameBuffer - 1 && os.GetShortPathNameW(longPath, result, shortPath) == 0) {
        return {};
    }
    return shortPath;
}

std::optional<std::string> AnsiFolder(platform::Os& os, const std::string& folder) {
    const std::string shortPath = ShortName(os, folder);
    for (const std::string& candidate : {shortPath, folder}) {
        if (!candidate.empty() && os.ToAnsi(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

} // namespace kesto::app
