// Unix paths as text: cleaned up, link targets resolved, compared, and moved between folders.
#pragma once

#include <string>
#include <string_view>

// Lexical clean-up of an absolute path: no ".", "..", doubled or trailing slashes.
std::string normalize_unix_path(std::string_view path);

// Where a symbolic link at link_path points; relative targets count from the link's folder.
std::string resolve_link_target(std::string_view link_path, std::string_view target);

// Both paths normalized.
bool is_within(std::string_view path, std::string_view ancestor);
bool is_strictly_below(std::string_view path, std::string_view ancestor);

// The part of path under ancestor, without a leading slash; path must be within ancestor.
std::string_view path_below(std::string_view path, std::string_view ancestor);

// path with its leading from replaced by to, when it starts with from; normalized either way.
std::string rebase_unix_path(std::string_view path, std::string_view from, std::string_view to);
