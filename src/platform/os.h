// Portable interface to every operating-system call the program makes.
// Calls mirror their Win32 ANSI counterparts one to one so that the logic around them stays
// portable and the Win32 backend stays a pass-through. Text parameters are UTF-8; the backend
// converts them to and from the ANSI code page, as the ANSI functions would see them. Byte
// parameters (pipe data, registry data) are ANSI bytes handed over untouched.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kesto::platform {

// An operating-system handle or pointer, opaque to portable code. Zero is "none".
using Handle = std::uintptr_t;

struct PipeEnds {
    Handle read = 0;
    Handle write = 0;
};

struct ProcessHandles {
    Handle process = 0;
    Handle thread = 0;
};

// The parts of STARTUPINFO the command runner fills in; everything else stays zero.
struct StartupInfo {
    std::uint32_t flags = 0;
    std::uint16_t showWindow = 0;
    Handle stdOutput = 0;
    Handle stdError = 0;
};

constexpr std::uint32_t kStartfUseShowWindow = 0x1;
constexpr std::uint32_t kStartfUseStdHandles = 0x100;
constexpr std::uint16_t kSwHide = 0;
constexpr std::uint32_t kNormalPriorityClass = 0x20;
constexpr std::uint32_t kCreateNoWindow = 0x08000000;

constexpr std::uint32_t kFileAttributeDirectory = 0x10;

enum DriveType : std::uint32_t {
    kDriveUnknown = 0,
    kDriveNoRootDir = 1,
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,
    kDriveCdrom = 5,
    kDriveRamdisk = 6,
};

constexpr std::uint32_t kRegSz = 1;

class Os {
  public:
    virtual ~Os() = default;

    // --- kernel32: pipes and processes ---
    // Both ends inheritable, default buffer size. False on failure; see LastError().
    virtual bool CreatePipe(PipeEnds& ends) = 0;
    virtual std::uint32_t LastError() const = 0;
    // Starts ansiCommandLine (no application name, inherited handles, no environment block,
    // no current folder). True exactly when CreateProcessA returned TRUE.
    virtual bool CreateProcess(const std::string& ansiCommandLine, std::uint32_t creationFlags,
                               const StartupInfo& startup, ProcessHandles& out) = 0;
    // Reads up to capacity bytes. Returns false when the read fails (end of pipe included);
    // `data` then holds what was delivered, normally nothing.
    virtual bool ReadFile(Handle handle, std::size_t capacity, std::string& data) = 0;
    virtual bool CloseHandle(Handle handle) = 0;

    // --- kernel32: code page ---
    // Conversions between UTF-8 and the system's ANSI code page.
    virtual std::string ToAnsi(const std::string& utf8) const = 0;
    virtual std::string FromAnsi(const std::string& ansi) const = 0;
    virtual bool IsDbcsLeadByte(unsigned char byte) const = 0;

    // --- kernel32: initialisation files ---
    // GetPrivateProfileStringA with a null default and bufferSize as its size argument: the
    // returned text is what the buffer holds up to its first zero byte.
    virtual std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                                std::size_t bufferSize,
                                                const std::string& file) = 0;
    // A missing value deletes the key.
    virtual bool WritePrivateProfileString(const std::string& section, const std::string& key,
                                           const std::optional<std::string>& value,
                                           const std::string& file) = 0;

    // --- kernel32: drives and files ---
    virtual std::uint32_t GetDriveType(const std::string& root) = 0;
    // GetShortPathNameA into a buffer of bufferSize characters. Returns the call's result:
    // 0 on failure, the length written on success, or the size needed when the buffer is too
    // small (and then `shortPath` is left empty).
    virtual std::uint32_t GetShortPathName(const std::string& longPath, std::size_t bufferSize,
                                           std::string& shortPath) = 0;
    virtual bool CreateDirectory(const std::string& path) = 0;
    // Nothing when the attributes cannot be read.
    virtual std::optional<std::uint32_t> GetFileAttributes(const std::string& path) = 0;

    // --- kernel32: this process ---
    // Full path of the running executable.
    virtual std::string ModuleFileName() = 0;
    // The whole command line the program was started with (GetCommandLine).
    virtual std::string CommandLine() = 0;

    // --- advapi32 ---
    static constexpr Handle kHkeyCurrentUser = 0x80000001;
    virtual long RegCreateKey(Handle root, const std::string& subKey, Handle& key) = 0;
    // `ansiData` is stored as given; `size` is passed on unchanged.
    virtual long RegSetValueEx(Handle key, const std::string& valueName, std::uint32_t type,
                               const std::string& ansiData, std::uint32_t size) = 0;
    virtual long RegCloseKey(Handle key) = 0;

    // --- shell32 ---
    // SHBrowseForFolderA owned by `owner`; returns the item list, or 0 when cancelled.
    virtual Handle BrowseForFolder(Handle owner, const std::string& title, std::uint32_t flags) = 0;
    // SHGetPathFromIDListA on a list BrowseForFolder gave, into a buffer of bufferSize
    // characters.
    virtual bool GetPathFromIdList(Handle idList, std::size_t bufferSize, std::string& path) = 0;
    virtual void FreeIdList(Handle idList) = 0;
    // ShellExecuteA with no owner, no verb, no parameters and no working folder.
    virtual std::intptr_t ShellExecute(const std::string& file, int showCommand) = 0;
};

} // namespace kesto::platform
