// Windows paths and the Unix names Wine gives them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The Unix path Wine uses for a Windows path; folders on a drive come out through its
// dosdevices link.
std::optional<std::string> unix_file_name(const std::wstring& windows_path);

// Text of a Unix path, decoded the way Wine decodes file names.
std::wstring from_unix_name(std::string_view unix_name);
