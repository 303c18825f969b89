// The prefix's drives, read from the mount manager with their folders as plain Unix paths.
#pragma once

#include "drive_table.h"
#include "mount_manager.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

char system_drive_letter();

// Every drive letter Wine knows, with its folder resolved to a plain Unix path.
std::vector<Drive> read_drives(const MountManager& mount_manager);

// The Unix folder behind a full Windows path, resolved through its drive like read_drives does,
// so that it compares with drive folders as a plain path.
std::optional<std::string> unix_folder(const std::wstring& full_path,
                                       std::span<const Drive> drives);

bool letter_in_use(const MountManager& mount_manager, char letter);
