// UTF-8 and UTF-16 conversions between the portable interfaces and the W functions.
#pragma once

#include <string>

namespace kesto::platform::win32 {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);

} // namespace kesto::platform::win32
