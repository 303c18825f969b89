// Drive letters queried, defined and removed through Wine's mount manager device.
#pragma once

#include <optional>
#include <string>

#include <windows.h>

struct MountedDrive {
    bool fixed;
    std::string mount_point; // as Wine keeps it: possibly relative to the dosdevices folder
};

// Wine's mount manager, the one place that changes drive letters for every process of the
// prefix; DefineDosDevice only affects names that Wine's drive lookup never consults.
class MountManager {
  public:
    MountManager();
    ~MountManager();
    MountManager(const MountManager&) = delete;
    MountManager& operator=(const MountManager&) = delete;

    bool is_open() const { return handle_ != INVALID_HANDLE_VALUE; }

    std::optional<MountedDrive> query(char letter) const;
    bool define(char letter, const std::string& unix_folder) const;
    bool remove(char letter) const;

  private:
    HANDLE handle_;
};
