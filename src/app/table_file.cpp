// The partition table file: a saved line read whole; a listing saved by its changed keys only.
#include "app/table_file.h"

#include "app/ansi_folder.h"
#include "app/subst_line.h"
#include "app/text.h"

namespace kesto::app {

namespace {
constexpr std::size_t kSavedLineBuffer = 255;
// Far beyond any real line; keeps a damaged file from making us read without end.
constexpr std::size_t kSavedLineLimit = 1 << 16;

bool CouldNotOpen(std::uint32_t error) {
    return error == platform::kErrorAccessDenied || error == platform::kErrorSharingViolation ||
           error == platform::kErrorLockViolation;
}
} // namespace

// A read gives the same empty text for a file held by another program as for a missing file or
// key: only the error it left tells them apart.
std::optional<std::string> PartitionTableFile::ReadLine(std::size_t key) {
    for (std::size_t buffer = kSavedLineBuffer; buffer <= kSavedLineLimit; buffer *= 2) {
        const std::size_t capacity = buffer - 1;
        std::string value =
            os_.GetPrivateProfileStringW(kTableSection, std::to_string(key), capacity, path_);
        if (value.empty() && CouldNotOpen(os_.LastError())) {
            return std::nullopt;
        }
        // A cut line fills the buffer but for its terminator, or falls one short of that where
        // it would have split a character of two units: only a shorter one is surely whole.
        if (Utf16Length(value) + 2 < capacity) {
            return value;
        }
    }
    return std::string();
}

std::optional<std::vector<std::string>> PartitionTableFile::ReadLines() {
    // Whether the profile calls tell a held file by their error is not documented; an open tells
    // it for certain, and the reads' errors catch a hold that begins in between.
    if (CouldNotOpen(os_.TryOpenForReading(path_))) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    for (std::size_t key = 0; key < kTableKeys; ++key) {
        std::optional<std::string> line = ReadLine(key);
        if (!line) {
            return std::nullopt;
        }
        if (!line->empty()) {
            lines.push_back(std::move(*line));
        }
    }
    return lines;
}

// The table is an ANSI file: a line the code page cannot spell names its folder the way the
// subst command line does, or is not kept at all.
std::optional<std::string> PartitionTableFile::StoredLine(const std::string& line) {
    if (os_.ToAnsi(line)) {
        return line;
    }
    if (!IsMappingLine(line)) {
        return std::nullopt;
    }
    const std::optional<std::string> folder = AnsiFolder(os_, FolderOf(line));
    return folder ? std::optional(Left(line, 8) + *folder) : std::nullopt;
}

// Every write rewrites the whole file, and most refreshes change one line or none: only the keys
// whose line changed are touched, and the keys that must be empty, since a read that fails may
// look like an empty key. They are all removed before any is written again, so a write that fails
// leaves its key empty rather than holding a mapping that no longer exists.
bool PartitionTableFile::Save(const std::vector<std::string>& listing) {
    std::vector<std::optional<std::string>> wanted(kTableKeys);
    for (std::size_t j = 0; j < listing.size() && j < kTableKeys; ++j) {
        // A line break inside a value would add lines of its own to the file.
        if (listing[j].find_first_of("\r\n") == std::string::npos) {
            wanted[j] = StoredLine(listing[j]);
        }
    }
    std::vector<std::size_t> changed;
    for (std::size_t key = 0; key < kTableKeys; ++key) {
        // An empty line reads the same as a missing key.
        if (!wanted[key] || wanted[key]->empty() || ReadLine(key) != wanted[key]) {
            changed.push_back(key);
        }
    }
    bool saved = true;
    for (const std::size_t key : changed) {
        saved &=
            os_.WritePrivateProfileStringW(kTableSection, std::to_string(key), std::nullopt, path_);
    }
    for (const std::size_t key : changed) {
        if (wanted[key]) {
            saved &= os_.WritePrivateProfileStringW(kTableSection, std::to_string(key),
                                                    *wanted[key], path_);
        }
    }
    return saved;
}

} // namespace kesto::app
