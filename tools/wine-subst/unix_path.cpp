// Work on the text alone: the file system is never asked.
#include "unix_path.h"

#include <vector>

std::string normalize_unix_path(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        const std::string_view part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    if (parts.empty()) {
        return "/";
    }
    std::string result;
    for (std::string_view part : parts) {
        result += '/';
        result += part;
    }
    return result;
}

std::string resolve_link_target(std::string_view link_path, std::string_view target) {
    if (target.starts_with('/')) {
        return normalize_unix_path(target);
    }
    std::string joined(link_path);
    joined += "/../";
    joined += target;
    return normalize_unix_path(joined);
}

bool is_within(std::string_view path, std::string_view ancestor) {
    if (!path.starts_with(ancestor)) {
        return false;
    }
    return path.size() == ancestor.size() || ancestor.ends_with('/') ||
           path[ancestor.size()] == '/';
}

bool is_strictly_below(std::string_view path, std::string_view ancestor) {
    return path.size() > ancestor.size() && is_within(path, ancestor);
}

std::string_view path_below(std::string_view path, std::string_view ancestor) {
    std::string_view rest = path.substr(ancestor.size());
    if (rest.starts_with('/')) {
        rest.remove_prefix(1);
    }
    return rest;
}

std::string rebase_unix_path(std::string_view path, std::string_view from, std::string_view to) {
    const std::string clean_path = normalize_unix_path(path);
    const std::string clean_from = normalize_unix_path(from);
    if (!is_within(clean_path, clean_from)) {
        return clean_path;
    }
    std::string rebased(to);
    rebased += '/';
    rebased += path_below(clean_path, clean_from);
    return normalize_unix_path(rebased);
}
