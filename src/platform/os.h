// Portable interface to every operating-system call the program makes.
// Calls mirror their Win32 counterparts one to one so that the logic around them stays portable
// and the Win32 backend stays a pass-through. A call named after a Windows function that has A
// and W forms carries the one the backend calls, so that the Windows headers cannot take its name
// for their macro; the others are named for what they do. Text parameters are UTF-8. Calls on
// files and folders take them in Unicode (the W functions), so that any name reaches the system
// unchanged; byte parameters (pipe data, command lines, registry data) are ANSI bytes handed over
// untouched, and only ToAnsi makes them.
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

// The error a read of a pipe ends with once every writer has closed its end.
constexpr std::uint32_t kErrorBrokenPipe = 109;
// Errors of a file that is there but may not be opened: no right to it, or another program
// holds it without sharing.
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorSharingViolation = 32;
constexpr std::uint32_t kErrorLockViolation = 33;

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
    // The system's error code for the last CreatePipe or ReadFile that failed, and the one the
    // last GetPrivateProfileString left (0 when it set none).
    virtual std::uint32_t LastError() const = 0;
    // Starts ansiCommandLine (no application name, inherited handles, no environment block,
    // no current folder). True exactly when CreateProcessA returned TRUE.
    virtual bool CreateProcessA(const std::string& ansiCommandLine, std::uint32_t creationFlags,
                                const StartupInfo& startup, ProcessHandles& out) = 0;
    // Reads up to capacity bytes. Returns false when the read fails, at the end of a pipe with
    // kErrorBrokenPipe as LastError(); `data` then holds what was delivered, normally nothing.
    virtual bool ReadFile(Handle handle, std::size_t capacity, std::string& data) = 0;
    virtual bool CloseHandle(Handle handle) = 0;

    // --- kernel32: code page ---
    // UTF-8 in the system's ANSI code page, without best fit: nothing when a character has no
    // exact place in it.
    virtual std::optional<std::string> ToAnsi(const std::string& utf8) const = 0;
    virtual std::string FromAnsi(const std::string& ansi) const = 0;
    // The same for the OEM code page, which console programs may write their output in.
    virtual std::string FromOem(const std::string& oem) const = 0;
    virtual bool IsDbcsLeadByte(unsigned char byte) const = 0;
    // GetACP: 65001 where the ANSI code page is UTF-8.
    virtual std::uint32_t AnsiCodePage() const = 0;

    // --- kernel32: initialisation files ---
    // GetPrivateProfileStringW with a null default and bufferSize (in UTF-16 units) as its size
    // argument: the returned text is what the buffer holds up to its first zero. A file without
    // a byte-order mark is read in the ANSI code page. A file that could not be opened gives
    // empty text as a missing one does; LastError() tells them apart.
    virtual std::string GetPrivateProfileStringW(const std::string& section, const std::string& key,
                                                 std::size_t bufferSize,
                                                 const std::string& file) = 0;
    // WritePrivateProfileStringW: a file without a byte-order mark, a new one included, is
    // written in the ANSI code page, so the value must be one ToAnsi can take. A missing value
    // deletes the key.
    virtual bool WritePrivateProfileStringW(const std::string& section, const std::string& key,
                                            const std::optional<std::string>& value,
                                            const std::string& file) = 0;

    // --- kernel32: drives and files ---
    virtual std::uint32_t GetDriveTypeW(const std::string& root) = 0;
    // GetShortPathNameW into a buffer of bufferSize UTF-16 units. Returns the call's result:
    // 0 on failure, the length written on success, or the size needed when the buffer is too
    // small (and then `shortPath` is left empty). Where the volume keeps no short names the
    // long path comes back.
    virtual std::uint32_t GetShortPathNameW(const std::string& longPath, std::size_t bufferSize,
                                            std::string& shortPath) = 0;
    // GetLongPathNameW: the path of an existing file or folder as Explorer shows it, every part in
    // its long form. Empty when the path cannot be found.
    virtual std::string GetLongPathNameW(const std::string& path) = 0;
    virtual bool CreateDirectoryW(const std::string& path) = 0;
    // Nothing when the attributes cannot be read.
    virtual std::optional<std::uint32_t> GetFileAttributesW(const std::string& path) = 0;
    // CreateFileW of an existing file for reading, sharing it every way, closed again at once:
    // 0 when it opened, else the system's error (2 when there is no such file, 32 when another
    // program holds it without sharing).
    virtual std::uint32_t TryOpenForReading(const std::string& path) = 0;

    // --- kernel32: this process ---
    // Full path of the running executable.
    virtual std::string ModuleFileName() = 0;
    // The whole command line the program was started with (GetCommandLine).
    virtual std::string CommandLine() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;

    // --- advapi32 ---
    static constexpr Handle kHkeyCurrentUser = 0x80000001;
    virtual long RegCreateKeyW(Handle root, const std::string& subKey, Handle& key) = 0;
    // RegSetValueExA: `ansiData` is stored as given; `size` is passed on unchanged.
    virtual long RegSetValueExA(Handle key, const std::string& valueName, std::uint32_t type,
                                const std::string& ansiData, std::uint32_t size) = 0;
    // RegSetValueExW with type REG_SZ: `text` whole, its terminating zero included.
    virtual long RegSetStringValue(Handle key, const std::string& valueName,
                                   const std::string& text) = 0;
    virtual long RegCloseKey(Handle key) = 0;

    // --- shell32 ---
    // SHBrowseForFolderW owned by `owner`; returns the item list, or 0 when cancelled.
    virtual Handle BrowseForFolder(Handle owner, const std::string& title, std::uint32_t flags) = 0;
    // SHGetPathFromIDListW on a list BrowseForFolder gave, into a buffer of bufferSize
    // characters.
    virtual bool GetPathFromIdList(Handle idList, std::size_t bufferSize, std::string& path) = 0;
    virtual void FreeIdList(Handle idList) = 0;
    // ShellExecuteW with no owner, no verb, no parameters and no working folder.
    virtual std::intptr_t ShellExecuteW(const std::string& file, int showCommand) = 0;
};

} // namespace kesto::platform
