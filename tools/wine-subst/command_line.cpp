// The C runtime's rules: quotes group, and backslashes escape only when a quote follows them.
#include "command_line.h"

namespace {

bool is_blank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

// Backslashes are plain characters in the program name; only quotes matter there.
std::size_t skip_program_name(std::wstring_view line) {
    bool quoted = false;
    std::size_t i = 0;
    for (; i < line.size(); ++i) {
        if (line[i] == L'"') {
            quoted = !quoted;
        } else if (!quoted && is_blank(line[i])) {
            break;
        }
    }
    return i;
}

} // namespace

std::vector<std::wstring> split_command_line(std::wstring_view line) {
    std::vector<std::wstring> args;
    std::size_t i = skip_program_name(line);
    for (;;) {
        while (i < line.size() && is_blank(line[i])) {
            ++i;
        }
        if (i == line.size()) {
            return args;
        }
        std::wstring arg;
        bool quoted = false;
        while (i < line.size() && (quoted || !is_blank(line[i]))) {
            if (line[i] == L'\\') {
                std::size_t count = 0;
                for (; i < line.size() && line[i] == L'\\'; ++i) {
                    ++count;
                }
                // Backslashes only escape when a quote follows them.
                if (i < line.size() && line[i] == L'"') {
                    arg.append(count / 2, L'\\');
                    if (count % 2 == 1) {
                        arg += L'"';
                        ++i;
                    }
                } else {
                    arg.append(count, L'\\');
                }
            } else if (line[i] == L'"') {
                if (quoted && i + 1 < line.size() && line[i + 1] == L'"') {
                    arg += L'"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                arg += line[i++];
            }
        }
        args.push_back(std::move(arg));
    }
}
