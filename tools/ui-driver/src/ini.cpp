// The profile calls, with a missing key told apart from an empty value.
#include "uidriver/ini.h"

#include "uidriver/text.h"

#include <windows.h>

#include <algorithm>

namespace kesto::uidriver {

namespace {

constexpr DWORD kBufferChars = 65536;

// A buffer of strings each ended by a null, the last one by two.
std::vector<std::wstring> SplitNullList(const std::wstring& buffer, DWORD length) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    while (start < length && buffer[start] != L'\0') {
        const size_t end = buffer.find(L'\0', start);
        parts.push_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

} // namespace

std::optional<std::string> ReadIniValue(const std::filesystem::path& file,
                                        const std::string& section, const std::string& key) {
    const std::wstring wideSection = Widen(section);
    std::wstring buffer(kBufferChars, L'\0');
    // A missing key and an empty value read the same, so look the key up among the names.
    DWORD length = GetPrivateProfileStringW(wideSection.c_str(), nullptr, L"", buffer.data(),
                                            kBufferChars, file.c_str());
    const auto keys = SplitNullList(buffer, length);
    const std::wstring wideKey = Widen(key);
    const bool present = std::any_of(keys.begin(), keys.end(), [&](const std::wstring& name) {
        return CompareStringOrdinal(name.c_str(), -1, wideKey.c_str(), -1, TRUE) == CSTR_EQUAL;
    });
    if (!present) {
        return std::nullopt;
    }
    length = GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), L"", buffer.data(),
                                      kBufferChars, file.c_str());
    return Narrow(std::wstring_view(buffer.data(), length));
}

IniEntries ReadIniSection(const std::filesystem::path& file, const std::string& section) {
    std::wstring buffer(kBufferChars, L'\0');
    const DWORD length = GetPrivateProfileSectionW(Widen(section).c_str(), buffer.data(),
                                                   kBufferChars, file.c_str());
    IniEntries entries;
    for (const std::wstring& line : SplitNullList(buffer, length)) {
        const size_t equals = line.find(L'=');
        if (equals == std::wstring::npos) {
            entries.emplace_back(Narrow(line), "");
        } else {
            entries.emplace_back(Narrow(line.substr(0, equals)), Narrow(line.substr(equals + 1)));
        }
    }
    return entries;
}

} // namespace kesto::uidriver
