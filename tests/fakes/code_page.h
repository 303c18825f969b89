// Code-page conversions for the fakes, through iconv.
#pragma once

#include <string>

namespace kesto::fakes {

// "CP936" for 936, "CP1252" for 1252.
std::string CodePageName(int codePage);
// What the system's conversion gives: characters the target has no place for become '?', and
// so does a double-byte pair of code page 936 that names no character.
std::string ConvertCodePage(const std::string& text, const std::string& from,
                            const std::string& to);

} // namespace kesto::fakes
