#include "console_output.h"

#include <string>

#include <windows.h>

namespace {

void write_ansi(DWORD which, std::wstring_view text) {
    if (text.empty()) {
        return;
    }
    const int source_size = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(CP_ACP, 0, text.data(), source_size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), source_size, bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(which), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
              nullptr);
}

} // namespace

void write_output(std::wstring_view text) {
    write_ansi(STD_OUTPUT_HANDLE, text);
}

void write_error(std::wstring_view text) {
    write_ansi(STD_ERROR_HANDLE, text);
}
