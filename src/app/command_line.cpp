// Building the subst command lines and the log-on entry's, quoting as the system reads them.
#include "app/command_line.h"

namespace kesto::app {

std::string QuoteIfBlank(const std::string& argument) {
    if (argument.find_first_of(" \t") == std::string::npos) {
        return argument;
    }
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
}

std::string ListingCommandLine() {
    return "subst";
}

std::string MapCommandLine(const std::string& drive, const std::string& folder) {
    return "subst " + drive + " " + QuoteIfBlank(folder);
}

std::string RemoveCommandLine(const std::string& drive) {
    return "subst " + drive + " /d";
}

} // namespace kesto::app
