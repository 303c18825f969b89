// The real operating-system calls behind platform::Os.
#pragma once

#include "platform/os.h"

#include <memory>

namespace kesto::platform::win32 {

class Win32Os : public Os {
  public:
    bool CreatePipe(PipeEnds& ends) override;
    std::uint32_t LastError() const override { return lastError_; }
    bool CreateProcessA(const std::string& ansiCommandLine, std::uint32_t creationFlags,
                        const StartupInfo& startup, ProcessHandles& out) override;
    bool ReadFile(Handle handle, std::size_t capacity, std::string& data) override;
    bool CloseHandle(Handle handle) override;

    std::optional<std::string> ToAnsi(const std::string& utf8) const override;
    std::string FromAnsi(const std::string& ansi) const override;
    std::string FromOem(const std::string& oem) const override;
    bool IsDbcsLeadByte(unsigned char byte) const override;
    std::uint32_t AnsiCodePage() const override;

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

    std::string ModuleFileName() override;
    std::string CommandLine() override;
    void Sleep(std::uint32_t milliseconds) override;

    long RegCreateKeyW(Handle root, const std::string& subKey, Handle& key) override;
    long RegSetValueExA(Handle key, const std::string& valueName, std::uint32_t type,
                        const std::string& ansiData, std::uint32_t size) override;
    long RegSetStringValue(Handle key, const std::string& valueName,
                           const std::string& text) override;
    long RegCloseKey(Handle key) override;

    Handle BrowseForFolder(Handle owner, const std::string& title, std::uint32_t flags) override;
    bool GetPathFromIdList(Handle idList, std::size_t bufferSize, std::string& path) override;
    void FreeIdList(Handle idList) override;
    std::intptr_t ShellExecuteW(const std::string& file, int showCommand) override;

  private:
    std::uint32_t lastError_ = 0;
};

// The text of a wide buffer the system filled, up to its first zero.
std::wstring UpToFirstZero(const std::wstring& buffer);

} // namespace kesto::platform::win32
