// Each command checked as the system's subst checks it, then done through the mount manager.
#include "commands.h"

#include "console_output.h"
#include "drives.h"
#include "given_drives.h"
#include "output_text.h"
#include "wine_paths.h"

#include <windows.h>

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;

int complain(const std::wstring& text) {
    write_error(text);
    return kFailure;
}

int complain_about_last_error() {
    wchar_t* message = nullptr;
    const DWORD size = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, GetLastError(), 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::wstring text = size ? std::wstring(message, size) : L"Unexpected failure\r\n";
    LocalFree(message);
    return complain(text);
}

bool is_folder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::wstring full_path(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return {};
    }
    std::wstring full(size, L'\0');
    full.resize(GetFullPathNameW(path.c_str(), size, full.data(), nullptr));
    return full;
}

std::wstring short_path(const std::wstring& path) {
    const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (size == 0) {
        return path;
    }
    std::wstring short_form(size, L'\0');
    short_form.resize(GetShortPathNameW(path.c_str(), short_form.data(), size));
    return short_form;
}

int list(const MountManager& mount_manager) {
    const std::vector<Drive> drives = read_drives(mount_manager);
    std::wstring text;
    for (const Substitution& substitution : list_substitutions(drives, system_drive_letter())) {
        std::wstring folder = windows_folder(substitution.via, from_unix_name(substitution.below));
        // The system's subst lists a folder as it was given, and the program gives one that the
        // code page cannot spell by its short form.
        if (!writes_unchanged(folder)) {
            folder = short_path(folder);
        }
        text += listing_line(substitution.letter, folder);
    }
    write_output(text);
    return kSuccess;
}

int map(const MountManager& mount_manager, const MapCommand& command) {
    const std::vector<Drive> drives = read_drives(mount_manager);
    const char system_letter = system_drive_letter();
    const Drive* existing = find_drive(drives, command.letter);
    if (existing && is_substitution(drives, *existing, system_letter)) {
        return complain(already_substituted());
    }
    if (letter_in_use(mount_manager, command.letter)) {
        return complain(invalid_parameter(drive_name(command.letter)));
    }
    const std::wstring folder = full_path(command.folder);
    if (folder.empty() || !is_folder(folder)) {
        return complain(path_not_found(command.folder));
    }
    const std::optional<std::string> target = unix_folder(folder, drives);
    // A folder inside no other drive could neither be listed nor removed afterwards.
    if (!target || !is_substitution(drives, {command.letter, true, *target}, system_letter)) {
        return complain(invalid_parameter(command.folder));
    }
    if (!mount_manager.define(command.letter, *target)) {
        return complain_about_last_error();
    }
    if (const std::optional<char> given =
            parse_drive_letter(std::wstring_view(folder).substr(0, 2))) {
        remember_given_drive(command.letter, *given, *target);
    } else {
        forget_given_drive(command.letter);
    }
    return kSuccess;
}

int remove(const MountManager& mount_manager, const RemoveCommand& command) {
    const std::vector<Drive> drives = read_drives(mount_manager);
    const Drive* drive = find_drive(drives, command.letter);
    if (!drive || !is_substitution(drives, *drive, system_drive_letter())) {
        return complain(invalid_parameter(drive_name(command.letter)));
    }
    if (!mount_manager.remove(command.letter)) {
        return complain_about_last_error();
    }
    forget_given_drive(command.letter);
    return kSuccess;
}

struct Dispatch {
    const MountManager& mount_manager;

    int operator()(const ListCommand&) const { return list(mount_manager); }
    int operator()(const MapCommand& command) const { return map(mount_manager, command); }
    int operator()(const RemoveCommand& command) const { return remove(mount_manager, command); }
    int operator()(const BadArgument& bad) const {
        return complain(invalid_parameter(bad.argument));
    }
};

} // namespace

int run_command(const Command& command) {
    const MountManager mount_manager;
    if (!mount_manager.is_open()) {
        return complain_about_last_error();
    }
    return std::visit(Dispatch{mount_manager}, command);
}
