// The texts subst prints, worded as the system's subst words them.
#pragma once

#include <string>
#include <string_view>

std::wstring drive_name(char letter);

// below uses '/' as separator, as Unix paths do.
std::wstring windows_folder(char drive, std::wstring_view below);

std::wstring listing_line(char letter, std::wstring_view folder);
std::wstring invalid_parameter(std::wstring_view argument);
std::wstring path_not_found(std::wstring_view path);
std::wstring already_substituted();
