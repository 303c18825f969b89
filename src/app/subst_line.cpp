// Reading subst's listing: which lines are mappings, and the letter and folder of each.
#include "app/subst_line.h"

#include "app/text.h"

namespace kesto::app {

namespace {
bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
} // namespace

std::vector<std::string> SplitListing(const std::string& listing) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = listing.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(listing.substr(start, end - start));
    }
    return lines;
}

std::string DriveOf(const std::string& line) {
    return Left(line, 2);
}

std::string FolderOf(const std::string& line) {
    return Mid(line, 9);
}

bool IsMappingLine(const std::string& line) {
    return line.size() >= 11 && IsDriveLetter(line[0]) && line.compare(1, 7, ":\\: => ") == 0 &&
           IsDriveLetter(line[8]) && line.compare(9, 2, ":\\") == 0;
}

bool CarriesAnotherMapping(const std::vector<std::string>& items, const std::string& selected) {
    const std::string letter = Left(selected, 1);
    for (const std::string& item : items) {
        const std::string targetDrive = Left(FolderOf(item), 1);
        if (!targetDrive.empty() && targetDrive == letter) {
            return true;
        }
    }
    return false;
}

} // namespace kesto::app
