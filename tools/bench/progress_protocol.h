// What the program does around every subst run, done by the bench around its own: a topmost
// tool window with one line of Chinese text shown and painted once, a main window disabled,
// the run, the main window enabled, the tool window hidden. What that adds to a bare run is what
// any program showing such a window pays under this Wine, not something of the program's own.
#pragma once

#include <windows.h>

#include "subst_run.h"

#include <string>

namespace kesto::bench {

class ProgressProtocol {
  public:
    ProgressProtocol();
    ~ProgressProtocol();
    ProgressProtocol(const ProgressProtocol&) = delete;
    ProgressProtocol& operator=(const ProgressProtocol&) = delete;

    // Timed like a bare run.
    SubstRun Run(const std::string& commandLine) const;

  private:
    HWND main_ = nullptr;
    HWND progress_ = nullptr;
    HFONT font_ = nullptr;
};

} // namespace kesto::bench
