// Reading subst's listing: which lines are mappings, and the letter and folder of each.
#include "app/subst_line.h"

#include "app/text.h"

#include <algorithm>
#include <optional>

namespace kesto::app {

namespace {
bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char UpperLetter(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether `line` maps a folder on the drive that `maker` makes.
bool LiesOn(const std::string& line, const std::string& maker) {
    return IsMappingLine(line) && IsMappingLine(maker) &&
           UpperLetter(maker[0]) == UpperLetter(line[8]);
}

// Another of the lines that makes the drive line `index` lies on.
std::optional<std::size_t> MakerOf(const std::vector<std::string>& lines, std::size_t index) {
    for (std::size_t other = 0; other < lines.size(); ++other) {
        if (other != index && LiesOn(lines[index], lines[other])) {
            return other;
        }
    }
    return std::nullopt;
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

bool SameDrive(const std::string& one, const std::string& other) {
    return std::equal(one.begin(), one.end(), other.begin(), other.end(),
                      [](char a, char b) { return UpperLetter(a) == UpperLetter(b); });
}

std::vector<std::string> RestoreOrder(std::vector<std::string> lines) {
    std::vector<std::string> order;
    while (!lines.empty()) {
        std::vector<std::string> waiting;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            (MakerOf(lines, i) ? waiting : order).push_back(lines[i]);
        }
        if (waiting.size() == lines.size()) {
            // Following the makers from any line leads into a ring: its line met first goes
            // next, so that the lines that wait for the ring still come after it.
            std::vector<bool> met(waiting.size());
            std::size_t line = 0;
            while (!met[line]) {
                met[line] = true;
                line = *MakerOf(waiting, line);
            }
            order.push_back(waiting[line]);
            waiting.erase(waiting.begin() + static_cast<std::ptrdiff_t>(line));
        }
        lines = std::move(waiting);
    }
    return order;
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
