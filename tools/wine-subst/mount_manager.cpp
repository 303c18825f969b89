// Wine's own requests to the mount manager, in the record layout of its mountmgr_unix_drive.
#include "mount_manager.h"

#include <cstring>
#include <vector>

#include <winioctl.h>

namespace {

// Wine's extensions of the mount manager, with the record of its struct mountmgr_unix_drive.
constexpr DWORD kDefineUnixDrive =
    CTL_CODE(0x6d, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
constexpr DWORD kQueryUnixDrive = CTL_CODE(0x6d, 33, METHOD_BUFFERED, FILE_READ_ACCESS);

struct UnixDriveRecord {
    ULONG size;
    ULONG type;
    ULONG fs_type;
    DWORD serial;
    ULONGLONG unix_dev;
    WCHAR letter;
    USHORT mount_point_offset;
    USHORT device_offset;
    USHORT label_offset;
};

// Room for a label and two Unix paths of PATH_MAX bytes after the record.
constexpr std::size_t kQueryReplySize = sizeof(UnixDriveRecord) + 3 * 4096;

bool send_definition(HANDLE handle, char letter, ULONG type, const std::string* unix_folder) {
    const std::size_t path_size = unix_folder ? unix_folder->size() + 1 : 0;
    std::vector<char> request(sizeof(UnixDriveRecord) + path_size);
    UnixDriveRecord record{};
    record.size = static_cast<ULONG>(request.size());
    record.type = type;
    record.letter = static_cast<WCHAR>(letter);
    if (unix_folder) {
        record.mount_point_offset = sizeof(UnixDriveRecord);
        std::memcpy(request.data() + sizeof(UnixDriveRecord), unix_folder->c_str(), path_size);
    }
    std::memcpy(request.data(), &record, sizeof(record));
    DWORD returned = 0;
    return DeviceIoControl(handle, kDefineUnixDrive, request.data(),
                           static_cast<DWORD>(request.size()), nullptr, 0, &returned, nullptr);
}

} // namespace

MountManager::MountManager()
    : handle_(CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr)) {
}

MountManager::~MountManager() {
    if (is_open()) {
        CloseHandle(handle_);
    }
}

std::optional<MountedDrive> MountManager::query(char letter) const {
    UnixDriveRecord request{};
    request.size = sizeof(request);
    request.letter = static_cast<WCHAR>(letter);
    std::vector<char> reply(kQueryReplySize);
    DWORD returned = 0;
    if (!DeviceIoControl(handle_, kQueryUnixDrive, &request, sizeof(request), reply.data(),
                         static_cast<DWORD>(reply.size()), &returned, nullptr)) {
        return std::nullopt;
    }
    UnixDriveRecord record;
    std::memcpy(&record, reply.data(), sizeof(record));
    MountedDrive drive{record.type == DRIVE_FIXED, {}};
    if (record.mount_point_offset != 0) {
        drive.mount_point = reply.data() + record.mount_point_offset;
    }
    return drive;
}

bool MountManager::define(char letter, const std::string& unix_folder) const {
    return send_definition(handle_, letter, DRIVE_FIXED, &unix_folder);
}

bool MountManager::remove(char letter) const {
    return send_definition(handle_, letter, DRIVE_NO_ROOT_DIR, nullptr);
}
