// The progress window the program shows while a subst command runs.
#pragma once

#include "uidriver/window.h"

#include <string>

namespace kesto::uidriver {

class WorkingForm {
  public:
    explicit WorkingForm(Window window) : window_(window) {}
    const Window& Frame() const { return window_; }
    Window Control(const std::string& name) const;

    // Whether a painted label shows text: what the screen shows of it, held against the text
    // drawn here as the program draws its labels.
    bool Shows(const std::string& label, const std::string& text) const;

  private:
    Window window_;
};

} // namespace kesto::uidriver
