// What subst's arguments ask for: the listing, a mapping, a removal, or one it refuses.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct ListCommand {};

struct MapCommand {
    char letter;
    std::wstring folder;
};

struct RemoveCommand {
    char letter;
};

struct BadArgument {
    std::wstring argument;
};

using Command = std::variant<ListCommand, MapCommand, RemoveCommand, BadArgument>;

// "X:" in either case, as an upper-case letter.
std::optional<char> parse_drive_letter(std::wstring_view arg);

Command parse_arguments(const std::vector<std::wstring>& args);
