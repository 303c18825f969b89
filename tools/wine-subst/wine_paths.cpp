// wine_get_unix_file_name looked up at run time, and Wine's Unix code page to decode names.
#include "wine_paths.h"

#include <windows.h>

namespace {

// Wine's code page for Unix file names, which follows the Unix locale.
constexpr UINT kUnixCodePage = 65010;

using UnixFileNameFunction = char*(CDECL*)(LPCWSTR);

UnixFileNameFunction find_unix_file_name_function() {
    const FARPROC address =
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name");
    return reinterpret_cast<UnixFileNameFunction>(reinterpret_cast<void (*)()>(address));
}

} // namespace

std::optional<std::string> unix_file_name(const std::wstring& windows_path) {
    static const UnixFileNameFunction function = find_unix_file_name_function();
    if (!function) {
        return std::nullopt;
    }
    char* name = function(windows_path.c_str());
    if (!name) {
        return std::nullopt;
    }
    std::string result(name);
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

std::wstring from_unix_name(std::string_view unix_name) {
    if (unix_name.empty()) {
        return {};
    }
    const int source_size = static_cast<int>(unix_name.size());
    const int size =
        MultiByteToWideChar(kUnixCodePage, 0, unix_name.data(), source_size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(kUnixCodePage, 0, unix_name.data(), source_size, text.data(), size);
    return text;
}
