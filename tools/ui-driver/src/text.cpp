// The conversions through Windows' own code-page calls, and paths as UTF-8 text.
#include "uidriver/text.h"

#include <windows.h>

namespace kesto::uidriver {

namespace {

std::wstring ToWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

} // namespace

std::wstring Widen(std::string_view utf8) {
    return ToWide(CP_UTF8, utf8);
}

std::string Narrow(std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::string AnsiToUtf8(std::string_view ansi) {
    return Narrow(ToWide(CP_ACP, ansi));
}

std::string Utf8Path(const std::filesystem::path& path) {
    return Narrow(path.native());
}

std::string QuotedPath(const std::filesystem::path& path) {
    std::string quoted(1, '"');
    quoted += Utf8Path(path);
    quoted += '"';
    return quoted;
}

} // namespace kesto::uidriver
