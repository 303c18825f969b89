// The partition table file: one section, keys "0" to "25", one subst line each.
#pragma once

#include <cstddef>

namespace kesto::app {

inline constexpr const char* kTableSection = "KESTO";
inline constexpr std::size_t kTableKeys = 26;

} // namespace kesto::app
