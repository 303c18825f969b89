// Makes the shell open .htm files by recording them, and puts the prefix back as it was
// afterwards.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

namespace kesto::e2e {

class HelpPageRecorder {
  public:
    // The records go into `folder`, whose name may not hold "%": the command that writes them
    // would take it for a variable.
    explicit HelpPageRecorder(const std::filesystem::path& folder);
    ~HelpPageRecorder();
    HelpPageRecorder(const HelpPageRecorder&) = delete;
    HelpPageRecorder& operator=(const HelpPageRecorder&) = delete;

    // Whether the shell was asked to open a page before the timeout; forgets that it was.
    bool WaitForOpened() const;
    // The bytes of the page last opened, which tell which file it was where its path holds
    // characters the console's code page cannot spell.
    std::string OpenedContent() const;

  private:
    static std::optional<std::wstring> Default(const std::wstring& key);
    static void SetDefault(const std::wstring& key, const std::wstring& value);

    std::filesystem::path record_;
    std::filesystem::path copy_;
    std::optional<std::wstring> previous_;
};

} // namespace kesto::e2e
