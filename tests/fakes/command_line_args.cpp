#include "fakes/command_line_args.h"

namespace kesto::fakes {

std::pair<std::string, std::string> SplitProgramName(const std::string& commandLine) {
    std::size_t end;
    std::string program;
    if (!commandLine.empty() && commandLine[0] == '"') {
        end = commandLine.find('"', 1);
        program = commandLine.substr(1, end == std::string::npos ? end : end - 1);
        end = end == std::string::npos ? commandLine.size() : end + 1;
    } else {
        end = std::min(commandLine.find_first_of(" \t"), commandLine.size());
        program = commandLine.substr(0, end);
    }
    const std::size_t rest = commandLine.find_first_not_of(" \t", end);
    return {program, rest == std::string::npos ? std::string() : commandLine.substr(rest)};
}

std::vector<std::string> SplitArguments(const std::string& arguments) {
    std::vector<std::string> result;
    std::size_t i = 0;
    while (true) {
        while (i < arguments.size() && (arguments[i] == ' ' || arguments[i] == '\t')) {
            ++i;
        }
        if (i >= arguments.size()) {
            return result;
        }
        std::string argument;
        bool quoted = false;
        for (; i < arguments.size(); ++i) {
            const char c = arguments[i];
            if (c == '\\') {
                std::size_t backslashes = 0;
                while (i < arguments.size() && arguments[i] == '\\') {
                    ++backslashes;
                    ++i;
                }
                if (i < arguments.size() && arguments[i] == '"') {
                    argument.append(backslashes / 2, '\\');
                    if (backslashes % 2 == 1) {
                        argument += '"';
                        continue;
                    }
                } else {
                    argument.append(backslashes, '\\');
                }
                --i;
                continue;
            }
            if (c == '"') {
                quoted = !quoted;
                continue;
            }
            if (!quoted && (c == ' ' || c == '\t')) {
                break;
            }
            argument += c;
        }
        result.push_back(argument);
    }
}

} // namespace kesto::fakes
