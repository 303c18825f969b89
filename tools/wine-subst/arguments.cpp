// The forms subst takes: nothing, "X: folder" and "X: /d"; anything else is refused.
#include "arguments.h"

std::optional<char> parse_drive_letter(std::wstring_view arg) {
    if (arg.size() != 2 || arg[1] != L':') {
        return std::nullopt;
    }
    wchar_t c = arg[0];
    if (c >= L'a' && c <= L'z') {
        c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    if (c < L'A' || c > L'Z') {
        return std::nullopt;
    }
    return static_cast<char>(c);
}

Command parse_arguments(const std::vector<std::wstring>& args) {
    if (args.empty()) {
        return ListCommand{};
    }
    if (args.size() > 2) {
        return BadArgument{args[2]};
    }
    const std::optional<char> letter = parse_drive_letter(args[0]);
    if (!letter || args.size() == 1) {
        return BadArgument{args[0]};
    }
    if (args[1] == L"/d" || args[1] == L"/D") {
        return RemoveCommand{*letter};
    }
    if (args[1].empty()) {
        return BadArgument{args[1]};
    }
    return MapCommand{*letter, args[1]};
}
