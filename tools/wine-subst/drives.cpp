// Mount points made folders: relative ones count from Wine's link for the drive's root.
#include "drives.h"

#include "arguments.h"
#include "given_drives.h"
#include "unix_path.h"
#include "wine_paths.h"

#include <windows.h>

namespace {

std::wstring drive_root(char letter) {
    return {static_cast<wchar_t>(letter), L':', L'\\'};
}

std::optional<std::string> drive_folder(char letter, const std::string& mount_point) {
    // Wine names a drive's root through its own link, which is where relative targets start.
    std::string link;
    if (!mount_point.starts_with('/')) {
        const std::optional<std::string> root = unix_file_name(drive_root(letter));
        if (!root) {
            return std::nullopt;
        }
        link = normalize_unix_path(*root);
    }
    return resolve_link_target(link, mount_point);
}

} // namespace

char system_drive_letter() {
    wchar_t folder[MAX_PATH] = {};
    GetSystemWindowsDirectoryW(folder, MAX_PATH);
    return parse_drive_letter(std::wstring_view(folder).substr(0, 2)).value_or('\0');
}

std::vector<Drive> read_drives(const MountManager& mount_manager) {
    std::vector<Drive> drives;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::optional<MountedDrive> mounted = mount_manager.query(letter);
        if (!mounted || mounted->mount_point.empty()) {
            continue;
        }
        if (std::optional<std::string> folder = drive_folder(letter, mounted->mount_point)) {
            const char given = given_drive(letter, *folder).value_or('\0');
            drives.push_back({letter, mounted->fixed, std::move(*folder), given});
        }
    }
    return drives;
}

std::optional<std::string> unix_folder(const std::wstring& full_path,
                                       std::span<const Drive> drives) {
    const std::optional<std::string> name = unix_file_name(full_path);
    if (!name) {
        return std::nullopt;
    }
    if (const std::optional<char> letter =
            parse_drive_letter(std::wstring_view(full_path).substr(0, 2))) {
        const Drive* drive = find_drive(drives, *letter);
        const std::optional<std::string> root = unix_file_name(drive_root(*letter));
        if (drive && root) {
            return rebase_unix_path(*name, *root, drive->target);
        }
    }
    return normalize_unix_path(*name);
}

bool letter_in_use(const MountManager& mount_manager, char letter) {
    return mount_manager.query(letter) || (GetLogicalDrives() >> (letter - 'A') & 1) != 0;
}
