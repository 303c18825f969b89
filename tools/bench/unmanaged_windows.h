// With no window manager on the Xvfb display, Wine waits two seconds for each managed window
// it hides to be withdrawn, which the program would be charged for at every subst run: it
// hides its progress window then. For the bench's runs Wine manages no window of the named
// program, as on Windows where hiding a window costs nothing. Undone at the end.
#pragma once

#include <string>

namespace kesto::bench {

class UnmanagedWindows {
  public:
    explicit UnmanagedWindows(const std::wstring& exeName);
    ~UnmanagedWindows();
    UnmanagedWindows(const UnmanagedWindows&) = delete;
    UnmanagedWindows& operator=(const UnmanagedWindows&) = delete;

  private:
    std::wstring programKey_;
    std::wstring driverKey_;
    bool createdProgramKey_ = false;
    bool createdDriverKey_ = false;
    // False when someone had set it already: theirs stays.
    bool setValue_ = false;
};

} // namespace kesto::bench
