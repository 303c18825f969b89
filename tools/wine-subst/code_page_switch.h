// The environment variable that tells subst to write its output in the OEM code page (value
// "oem") rather than the ANSI one; the tests set it to list as such console programs do.
#pragma once

inline constexpr wchar_t kSubstCodePageVariable[] = L"KESTO_SUBST_CODE_PAGE";
