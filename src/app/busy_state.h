// Whether a handler is running that still needs the window after a message box, the folder
// browser or a subst command, and the one rule for the input that reaches the window meanwhile.
#pragma once

#include <functional>
#include <optional>
#include <utility>

namespace kesto::app {

class BusyState {
  public:
    // What may start a command or take the window away. Everything else (the mode buttons, the
    // title bar, the tray icon) starts nothing that needs the window and is always allowed.
    enum class Input { Command, Close };
    enum class Outcome { Allowed, Dropped, Deferred };

    // `close` carries out a close; a deferred one is carried out when the outermost hold ends.
    explicit BusyState(std::function<void()> close) : close_(std::move(close)) {}
    BusyState(const BusyState&) = delete;
    BusyState& operator=(const BusyState&) = delete;

    // Held for as long as a handler runs; holds nest.
    class Hold {
      public:
        explicit Hold(BusyState& state) : state_(state) { ++state_.holds_; }
        ~Hold() { state_.Release(); }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

      private:
        BusyState& state_;
    };

    // Allowed while nothing is held. While a handler runs, a command (create, remove, browse)
    // is dropped, since it would replace what the running one still needs, and a close is
    // deferred, since it would pull the window from under it.
    Outcome Admit(Input input) {
        if (holds_ == 0) {
            return Outcome::Allowed;
        }
        if (input == Input::Close) {
            closeDeferred_ = true;
            return Outcome::Deferred;
        }
        return Outcome::Dropped;
    }

    // The hold of a handler that starts with a command; nothing when the command is dropped.
    std::optional<Hold> BeginCommand() {
        if (Admit(Input::Command) == Outcome::Dropped) {
            return std::nullopt;
        }
        return std::optional<Hold>(std::in_place, *this);
    }

  private:
    void Release() {
        if (--holds_ == 0 && closeDeferred_) {
            closeDeferred_ = false;
            close_();
        }
    }

    std::function<void()> close_;
    int holds_ = 0;
    bool closeDeferred_ = false;
};

} // namespace kesto::app
