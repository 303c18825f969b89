// The standard message box (#32770 dialog) a program shows, read and answered from outside.
#pragma once

#include "uidriver/poll.h"
#include "uidriver/window.h"

#include <ostream>
#include <string>
#include <vector>

namespace kesto::uidriver {

// The standard icons of the MB_ICON... styles.
enum class MessageIcon { None, Error, Question, Warning, Information, Other };

std::ostream& operator<<(std::ostream& out, MessageIcon icon);

class MessageDialog {
  public:
    explicit MessageDialog(Window dialog) : dialog_(dialog) {}
    // Throws DriverError when the process shows no message box with this title in time.
    static MessageDialog WaitFor(DWORD processId, const std::string& title, milliseconds timeout);

    const Window& Dialog() const { return dialog_; }
    std::string Text() const;
    // IDOK, IDYES, IDNO... in the order the dialog holds them.
    std::vector<int> Buttons() const;
    bool HasIcon() const;
    // Which standard icon the box shows, told from the pixels on the screen.
    MessageIcon Icon() const;
    // Clicks the button without waiting for what the program does next.
    void Answer(int button) const;

  private:
    Window dialog_;
};

} // namespace kesto::uidriver
