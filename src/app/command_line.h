// Command lines for subst and for the log-on entry.
#pragma once

#include <string>

namespace kesto::app {

// `argument` as one argument of a command line: unchanged unless it holds a blank or a tab,
// else quoted by the C runtime's rules (backslashes before a quote or the closing quote doubled),
// so "D:\My Data\" becomes "\"D:\My Data\\\"".
std::string QuoteIfBlank(const std::string& argument);

std::string ListingCommandLine();
// "subst X: folder"
std::string MapCommandLine(const std::string& drive, const std::string& folder);
// "subst X: /d"
std::string RemoveCommandLine(const std::string& drive);

} // namespace kesto::app
