// Reading subst's listing: which lines are mappings, and the letter and folder of each.
#include "app/subst_line.h"

#include "app/text.h"

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

// Whether line `index` of `lines` lies on another of them or, with `carries`, another on it.
bool LinkedToAnother(const std::vector<std::string>& lines, std::size_t index, bool carries) {
    for (std::size_t other = 0; other < lines.size(); ++other) {
        if (other != index &&
            (carries ? LiesOn(lines[other], lines[index]) : LiesOn(lines[index], lines[other]))) {
            return true;
        }
    }
    return false;
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

std::vector<std::string> RestoreOrder(std::vector<std::string> lines) {
    std::vector<std::string> order;
    while (!lines.empty()) {
        std::vector<std::string> waiting;
        const std::size_t ready = order.size();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            (LinkedToAnother(lines, i, false) ? waiting : order).push_back(lines[i]);
        }
        if (order.size() == ready) {
            std::size_t first = 0;
            while (!LinkedToAnother(waiting, first, true)) {
                ++first;
            }
            order.push_back(waiting[first]);
            waiting.erase(waiting.begin() + static_cast<std::ptrdiff_t>(first));
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
