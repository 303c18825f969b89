// The partition table file: one section, keys "0" to "25", one subst line each, read and written
// through the profile calls of platform::Os. Nothing else in the file is touched.
#pragma once

#include "platform/os.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kesto::app {

inline constexpr const char* kTableSection = "KESTO";
inline constexpr std::size_t kTableKeys = 26;

class PartitionTableFile {
  public:
    PartitionTableFile(platform::Os& os, std::string path) : os_(os), path_(std::move(path)) {}

    // The line saved under `key`, whole however long. Empty when the key is missing or holds a
    // line too long for the largest buffer (a line cut short would name another folder); nothing
    // when the file is there but could not be read.
    std::optional<std::string> ReadLine(std::size_t key);
    // The saved lines in key order, empty ones left out; nothing when any could not be read.
    std::optional<std::vector<std::string>> ReadLines();

    // What a listing line is kept as: the line itself where the ANSI code page can spell it, else
    // a mapping line with its folder as AnsiFolder names it. Nothing when neither can be kept.
    std::optional<std::string> StoredLine(const std::string& line);

    // Makes key j hold StoredLine of the listing's line j and every other key empty (lines past
    // the last key, lines holding a line break and lines that cannot be kept leave their key
    // empty). Only keys whose line changes are touched: all of them are removed before any is
    // written. False when any removal or write failed; the other writes are still made.
    bool Save(const std::vector<std::string>& listing);

  private:
    platform::Os& os_;
    std::string path_;
};

} // namespace kesto::app
