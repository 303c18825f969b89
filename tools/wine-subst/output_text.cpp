// Every text one line ending in CR LF, as console programs end theirs.
#include "output_text.h"

#include <algorithm>

namespace {

constexpr std::wstring_view kLineEnd = L"\r\n";

std::wstring line(std::wstring_view head, std::wstring_view tail) {
    std::wstring text(head);
    text += tail;
    text += kLineEnd;
    return text;
}

} // namespace

std::wstring drive_name(char letter) {
    return {static_cast<wchar_t>(letter), L':'};
}

std::wstring windows_folder(char drive, std::wstring_view below) {
    std::wstring folder = drive_name(drive) + L'\\';
    folder += below;
    std::ranges::replace(folder, L'/', L'\\');
    return folder;
}

std::wstring listing_line(char letter, std::wstring_view folder) {
    return line(drive_name(letter) + L"\\: => ", folder);
}

std::wstring invalid_parameter(std::wstring_view argument) {
    return line(L"Invalid parameter - ", argument);
}

std::wstring path_not_found(std::wstring_view path) {
    return line(L"Path not found - ", path);
}

std::wstring already_substituted() {
    return line(L"Drive already SUBSTed", L"");
}
