// The code page read from the environment at every write, and the text encoded into it.
#include "console_output.h"

#include "test_switches.h"

#include <string>

#include <windows.h>

namespace {

UINT output_code_page() {
    return output_in_oem() ? CP_OEMCP : CP_ACP;
}

void write_encoded(DWORD which, std::wstring_view text) {
    if (text.empty()) {
        return;
    }
    const UINT code_page = output_code_page();
    const int source_size = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(code_page, 0, text.data(), source_size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(code_page, 0, text.data(), source_size, bytes.data(), size, nullptr,
                        nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(which), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
              nullptr);
}

} // namespace

void write_output(std::wstring_view text) {
    write_encoded(STD_OUTPUT_HANDLE, text);
}

void write_error(std::wstring_view text) {
    write_encoded(STD_ERROR_HANDLE, text);
}

bool writes_unchanged(std::wstring_view text) {
    BOOL used_default = FALSE;
    WideCharToMultiByte(output_code_page(), WC_NO_BEST_FIT_CHARS, text.data(),
                        static_cast<int>(text.size()), nullptr, 0, nullptr, &used_default);
    return used_default == FALSE;
}
