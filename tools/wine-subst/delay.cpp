// The delay's digits read by hand: no sign, no blanks, no overflow.
#include "delay.h"

std::optional<unsigned long> parse_delay_ms(std::wstring_view text) {
    // Nine digits keep the value well inside 32 bits.
    if (text.empty() || text.size() > 9) {
        return std::nullopt;
    }
    unsigned long value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned long>(c - L'0');
    }
    return value;
}
