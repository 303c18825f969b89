// An in-memory Windows behind platform::Os: drives and folders, subst mappings, INI files with
// the profile functions' semantics, a registry, the ANSI code pages 936, 1252, 1251 and 65001
// with their OEM ones, and child processes whose output comes from programs registered by name.
#pragma once

#include "fakes/fault_plan.h"
#include "platform/os.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kesto::fakes {

// What a fake child process does with its arguments: the bytes it writes to its output pipe, in
// the code page of the system (ANSI), or nothing when it cannot be started.
using FakeProgram =
    std::function<std::optional<std::string>(const std::vector<std::string>& arguments)>;

// A path as the system spells it: backslashes, no part ending in a blank or a dot (the system
// drops them), no final backslash.
std::string SystemPath(const std::string& path);

// Calls fail as planned by FaultPlan; the walk counts them by their names in Calls().
class FakeOs : public platform::Os, public FaultPlan {
  public:
    explicit FakeOs(int codePage = 936);

    // --- the machine ---
    void SetCodePage(int codePage);
    // Whether the fake subst writes its listing in the OEM code page rather than the ANSI one.
    bool substListsInOem = false;
    // A drive with a root folder of the given type (fixed unless told otherwise).
    void AddDrive(char letter, std::uint32_t type = platform::kDriveFixed, bool writable = true);
    void AddFolder(const std::string& path);
    void AddFile(const std::string& path, const std::string& content = {});
    bool FolderExists(const std::string& path) const;
    // Every folder, resolved (upper case, no final backslash).
    const std::set<std::string>& Folders() const { return folders_; }
    std::optional<std::string> FileContent(const std::string& path) const;
    void SetShortName(const std::string& longPath, const std::string& shortPath);
    // Another process opens the file without sharing, or lets it go: while it is held the profile
    // functions can neither read nor write it. A hold for a time ends once Sleep has passed it.
    void HoldFile(const std::string& path, std::optional<std::uint32_t> forMilliseconds = {});
    // Whether a profile read of a held file leaves no error behind, as it does for a missing
    // file: Windows does not document which it leaves, Wine a sharing violation.
    bool heldReadsLookMissing = false;
    void ReleaseFile(const std::string& path);
    // Mappings made by the fake "subst", letter to folder.
    const std::map<char, std::string>& Mappings() const { return mappings_; }
    void RegisterProgram(const std::string& name, FakeProgram program);
    // The system's subst run with these arguments: what it prints.
    std::string Subst(const std::vector<std::string>& arguments);
    // Every platform call by name, in order, with its main argument.
    const std::vector<std::string>& Calls() const { return calls_; }
    std::size_t OpenHandleCount() const { return handles_.size(); }
    std::string moduleFileName = "C:\\Tools\\kesto.exe";
    std::string commandLine = "\"C:\\Tools\\kesto.exe\"";
    // The folder the browser gives, or nothing when the user cancels.
    std::optional<std::string> browseResult;
    struct RegistryValue {
        std::uint32_t type = 0;
        std::string data; // ANSI bytes, or UTF-8 text for a value set in Unicode
        std::uint32_t size = 0;
        bool unicode = false;
    };
    // "key path\value name" to value.
    std::map<std::string, RegistryValue> registry;

    // --- platform::Os ---
    bool CreatePipe(platform::PipeEnds& ends) override;
    std::uint32_t LastError() const override { return lastError_; }
    bool CreateProcessA(const std::string& ansiCommandLine, std::uint32_t creationFlags,
                        const platform::StartupInfo& startup,
                        platform::ProcessHandles& out) override;
    bool ReadFile(platform::Handle handle, std::size_t capacity, std::string& data) override;
    bool CloseHandle(platform::Handle handle) override;
    std::optional<std::string> ToAnsi(const std::string& utf8) const override;
    std::string FromAnsi(const std::string& ansi) const override;
    std::string FromOem(const std::string& oem) const override;
    bool IsDbcsLeadByte(unsigned char byte) const override;
    std::uint32_t AnsiCodePage() const override { return static_cast<std::uint32_t>(codePage_); }
    std::string GetPrivateProfileStringW(const std::string& section, const std::string& key,
                                         std::size_t bufferSize, const std::string& file) override;
    bool WritePrivateProfileStringW(const std::string& section, const std::string& key,
                                    const std::optional<std::string>& value,
                                    const std::string& file) override;
    std::uint32_t GetDriveTypeW(const std::string& root) override;
    std::uint32_t GetShortPathNameW(const std::string& longPath, std::size_t bufferSize,
                                    std::string& shortPath) override;
    std::string GetLongPathNameW(const std::string& path) override;
    bool CreateDirectoryW(const std::string& path) override;
    std::optional<std::uint32_t> GetFileAttributesW(const std::string& path) override;
    std::uint32_t TryOpenForReading(const std::string& path) override;
    std::string ModuleFileName() override { return moduleFileName; }
    std::string CommandLine() override { return commandLine; }
    void Sleep(std::uint32_t milliseconds) override;
    long RegCreateKeyW(platform::Handle root, const std::string& subKey,
                       platform::Handle& key) override;
    long RegSetValueExA(platform::Handle key, const std::string& valueName, std::uint32_t type,
                        const std::string& ansiData, std::uint32_t size) override;
    long RegSetStringValue(platform::Handle key, const std::string& valueName,
                           const std::string& text) override;
    long RegCloseKey(platform::Handle key) override;
    platform::Handle BrowseForFolder(platform::Handle owner, const std::string& title,
                                     std::uint32_t flags) override;
    bool GetPathFromIdList(platform::Handle idList, std::size_t bufferSize,
                           std::string& path) override;
    void FreeIdList(platform::Handle idList) override;
    std::intptr_t ShellExecuteW(const std::string& file, int showCommand) override;

  private:
    struct HandleObject {
        enum Kind { PipeRead, PipeWrite, Process, Thread, RegistryKey, IdList } kind;
        int pipe = 0;
        std::string path;
    };
    // Records a call with its main argument; true when it is to fail.
    bool Record(const std::string& call, const std::string& argument);
    // A value set through the key behind a handle; the error when it is to fail or there is none.
    long SetValue(const std::string& call, platform::Handle key, const std::string& valueName,
                  RegistryValue value);
    // The path of the registry key behind a handle, or null.
    const std::string* KeyPath(platform::Handle key) const;
    platform::Handle NewHandle(HandleObject object);
    // The path as the system spells it, with mapped drives followed to the folder behind them,
    // in upper case for comparisons.
    std::string Resolve(const std::string& path) const;
    bool DriveWritable(const std::string& resolved) const;
    // Text in the ANSI code page as the system's own conversion makes it: what the code page
    // cannot hold is lost.
    std::string LossyAnsi(const std::string& text) const;

    int codePage_;
    std::map<char, std::uint32_t> driveTypes_;
    std::set<char> readOnlyDrives_;
    std::set<std::string> folders_; // resolved
    std::map<std::string, std::string> files_;
    std::map<std::string, std::string> shortNames_; // resolved long path to short form
    std::map<std::string, std::string> longNames_;  // resolved short form to the long path given
    std::map<std::string, std::optional<std::uint64_t>> heldFiles_; // resolved, to its end
    std::uint64_t slept_ = 0;                                       // milliseconds
    std::map<char, std::string> mappings_;
    std::map<std::string, FakeProgram> programs_;
    std::map<platform::Handle, HandleObject> handles_;
    std::map<int, std::string> pipes_; // what is written and not yet read
    std::vector<std::string> calls_;
    platform::Handle nextHandle_ = 0x100;
    int nextPipe_ = 1;
    std::uint32_t lastError_ = 0;
};

} // namespace kesto::fakes
