// Conversions between the driver's UTF-8 texts and the UTF-16 and ANSI texts of Windows.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kesto::uidriver {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
// Bytes in the ANSI code page, as console programs print them, to UTF-8.
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8Path(const std::filesystem::path& path);
// The path in double quotes, as a command line needs it where it may hold blanks.
std::string QuotedPath(const std::filesystem::path& path);

} // namespace kesto::uidriver
