// The delay tests may ask for before subst sets to work, to watch its caller waiting.
#pragma once

#include <optional>
#include <string_view>

// Milliseconds from a plain decimal number; anything else asks for no delay.
std::optional<unsigned long> parse_delay_ms(std::wstring_view text);
