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

} // namespace

std::optional<std::string> IniValue(const std::string& text, const std::string& section,
                                    const std::string& key) {
    bool inSection = false;
    for (const std::string& line : Lines(text)) {
        if (const auto name = SectionName(line)) {
            inSection = SameName(*name, section);
        } else if (inSection && IsKey(line, key)) {
            return Trim(line.substr(line.find('=') + 1));
        }
    }
    return std::nullopt;
}

std::string WriteIniValue(const std::string& text, const std::string& section,
                          const std::string& key, const std::optional<std::string>& value) {
    std::vector<std::string> lines = Lines(text);
    std::optional<std::size_t> header;
    std::size_t sectionEnd = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionName(lines[i])) {
            if (header) {
                sectionEnd = i;
                break;
            }
            if (SameName(*name, section)) {
                header = i;
            }
        }
    }
    if (header) {
        for (std::size_t i = *header + 1; i < sectionEnd; ++i) {
            if (IsKey(lines[i], key)) {
                if (value) {
                    lines[i] = key + "=" + *value;
                } else {
                    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
                }
                return Join(lines);
            }
        }
    }
    if (!value) {
        return text;
    }
    if (header) {
        // After the section's last non-empty line.
        std::size_t at = sectionEnd;
        while (at > *header + 1 && Trim(lines[at - 1]).empty()) {
            --at;
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), key + "=" + *value);
    } else {
        lines.push_back("[" + section + "]");
        lines.push_back(key + "=" + *value);
    }
    return Join(lines);
}

} // namespace kesto::fakes
