// Character-wise access to UTF-8 text, for the places that pick characters out of subst lines.
#pragma once

#include <string>

namespace kesto::app {

// The first `count` characters of `text` (all of it when shorter).
std::string Left(const std::string& text, std::size_t count);
// `text` from its character number `start` (1 is the first) to its end; empty past the end.
std::string Mid(const std::string& text, std::size_t start);
// How many UTF-16 units `text` takes: one per character, two for those beyond U+FFFF.
std::size_t Utf16Length(const std::string& text);

} // namespace kesto::app
