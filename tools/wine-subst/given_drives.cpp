// One binary value a letter: the given drive's letter, then the Unix folder it mapped then, so a
// letter mapped since by other means is not listed through a stale drive.
#include "given_drives.h"

#include <windows.h>

namespace {

constexpr wchar_t kKey[] = L"Software\\Wine\\subst";

std::wstring value_name(char letter) {
    return {static_cast<wchar_t>(letter)};
}

} // namespace

void remember_given_drive(char letter, char given, const std::string& unix_folder) {
    const std::string record = given + unix_folder;
    RegSetKeyValueW(HKEY_CURRENT_USER, kKey, value_name(letter).c_str(), REG_BINARY, record.data(),
                    static_cast<DWORD>(record.size()));
}

std::optional<char> given_drive(char letter, const std::string& unix_folder) {
    std::string record(unix_folder.size() + 1, '\0');
    DWORD size = static_cast<DWORD>(record.size());
    if (RegGetValueW(HKEY_CURRENT_USER, kKey, value_name(letter).c_str(), RRF_RT_REG_BINARY,
                     nullptr, record.data(), &size) != ERROR_SUCCESS ||
        size != record.size() || record.substr(1) != unix_folder) {
        return std::nullopt;
    }
    return record.front();
}

void forget_given_drive(char letter) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, value_name(letter).c_str());
}
