// Environment variables through which the tests steer the subst the program starts: it inherits
// them from the program, which inherits them from the test.
#pragma once

#include <string_view>

#include <windows.h>

// "oem": the output is written in the OEM code page rather than the ANSI one, as many console
// programs do.
inline constexpr wchar_t kSubstCodePageVariable[] = L"KESTO_SUBST_CODE_PAGE";

inline bool output_in_oem() {
    wchar_t value[8] = {};
    const DWORD size = GetEnvironmentVariableW(kSubstCodePageVariable, value, 8);
    return size > 0 && size < 8 && std::wstring_view(value) == L"oem";
}

// The name of an event: subst waits until it is set before it goes to work, so that a test can
// watch the program while subst runs for as long as it needs.
inline constexpr wchar_t kSubstHoldVariable[] = L"KESTO_SUBST_HOLD";
