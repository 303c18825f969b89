// Code-page conversions for the fakes, through iconv.
#pragma once

#include <optional>
#include <string>

namespace kesto::fakes {

// "CP936" for 936, "CP1252" for 1252, "UTF-8" for 65001.
std::string CodePageName(int codePage);
// The OEM code page that goes with an ANSI one, as on Windows installed in that language.
int OemCodePageOf(int ansiCodePage);
// What the system's conversion gives: characters the target has no place for become '?', and
// so does a double-byte pair of code page 936 that names no character.
std::string ConvertCodePage(const std::string& text, const std::string& from,
                            const std::string& to);
// The conversion without any replacement: nothing when a character has no place in the target.
std::optional<std::string> ConvertExactly(const std::string& text, const std::string& from,
                                          const std::string& to);

} // namespace kesto::fakes
