// subst's output and errors, written into the caller's pipes in the code page it expects.
#pragma once

#include <string_view>

// Text goes out in the ANSI code page, as the system's console tools write into pipes, or in the
// OEM one, as many console programs do, when told so (test_switches.h).
void write_output(std::wstring_view text);
void write_error(std::wstring_view text);

// Whether the output code page holds every character of text, so that it goes out unchanged.
bool writes_unchanged(std::wstring_view text);
