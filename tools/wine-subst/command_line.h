// Arguments from the process's wide command line; main's argv has been through the ANSI code page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits a Windows command line the way the C runtime builds argv, leaving out the program name.
std::vector<std::wstring> split_command_line(std::wstring_view line);
