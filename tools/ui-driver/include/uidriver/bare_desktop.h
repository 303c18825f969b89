// What a desktop without a window manager costs under Wine on Xvfb, taken away while tests and
// the bench drive the program. Windows pays neither cost: hiding a window there is immediate,
// and its notification area never goes away.
#pragma once

#include <windows.h>

#include <string>

namespace kesto::uidriver {

// Wine waits two seconds for each managed window it hides to be withdrawn, which the program
// would be charged for at every subst run (it hides its progress window then) and every close.
// While this lives, Wine manages no window of the named program. What was made is taken away.
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

// When the last icon leaves Wine's notification area, its explorer hides the tray window and
// waits two seconds for it, holding up the program that removed the icon and every window made
// meanwhile. An icon of the driving process keeps the tray from ever being empty.
class TrayOccupant {
  public:
    TrayOccupant();
    ~TrayOccupant();
    TrayOccupant(const TrayOccupant&) = delete;
    TrayOccupant& operator=(const TrayOccupant&) = delete;

  private:
    HWND window_ = nullptr;
};

} // namespace kesto::uidriver
