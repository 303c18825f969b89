#pragma once

#include <string_view>

// Text goes out in the ANSI code page, as the system's console tools write into pipes.
void write_output(std::wstring_view text);
void write_error(std::wstring_view text);
