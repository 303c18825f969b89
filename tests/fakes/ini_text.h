// The text of an initialisation file as the profile functions read and write it.
#pragma once

#include <optional>
#include <string>

namespace kesto::fakes {

// The value of `key` in the first `section` that holds it; names compare without regard to case,
// blanks around names and values are dropped.
std::optional<std::string> IniValue(const std::string& text, const std::string& section,
                                    const std::string& key);
// `text` with `key` set to `value`, or deleted when there is no value. A section that loses its
// last key keeps its header line.
std::string WriteIniValue(const std::string& text, const std::string& section,
                          const std::string& key, const std::optional<std::string>& value);

} // namespace kesto::fakes
