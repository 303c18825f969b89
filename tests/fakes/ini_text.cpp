#include "fakes/ini_text.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace kesto::fakes {

namespace {

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

std::optional<std::string> SectionName(const std::string& line) {
    const std::string trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = trimmed.find(']');
    return Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

bool IsKey(const std::string& line, const std::string& key) {
    const std::size_t equals = line.find('=');
    return equals != std::string::npos && SameName(Trim(line.substr(0, equals)), key);
}

// The first `section` of the lines: its header, the line after its last, and the line of `key`
// in it.
struct Place {
    std::size_t header;
    std::size_t end;
    std::optional<std::size_t> key;
};

std::optional<Place> Find(const std::vector<std::string>& lines, const std::string& section,
                          const std::string& key) {
    std::optional<Place> place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<std::string> name = SectionName(lines[i]);
        if (name && place) {
            place->end = i;
            break;
        }
        if (name && SameName(*name, section)) {
            place = Place{i, lines.size(), std::nullopt};
        } else if (place && !place->key && IsKey(lines[i], key)) {
            place->key = i;
        }
    }
    return place;
}

} // namespace

std::optional<std::string> IniValue(const std::string& text, const std::string& section,
                                    const std::string& key) {
    const std::vector<std::string> lines = Lines(text);
    const std::optional<Place> place = Find(lines, section, key);
    if (!place || !place->key) {
        return std::nullopt;
    }
    const std::string& line = lines[*place->key];
    return Trim(line.substr(line.find('=') + 1));
}

std::string WriteIniValue(const std::string& text, const std::string& section,
                          const std::string& key, const std::optional<std::string>& value) {
    std::vector<std::string> lines = Lines(text);
    const std::optional<Place> place = Find(lines, section, key);
    const auto at = [&](std::size_t line) {
        return lines.begin() + static_cast<std::ptrdiff_t>(line);
    };
    if (place && place->key) {
        if (value) {
            lines[*place->key] = key + "=" + *value;
        } else {
            lines.erase(at(*place->key));
        }
    } else if (!value) {
        return text;
    } else if (place) {
        lines.insert(at(place->end), key + "=" + *value);
    } else {
        lines.push_back("[" + section + "]");
        lines.push_back(key + "=" + *value);
    }
    return Join(lines);
}

} // namespace kesto::fakes
