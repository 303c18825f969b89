// Marks a handler as running for as long as it lasts; scopes nest. The outermost scope of a
// handler may be given what is to happen once the handler has ended (a close that had to wait).
#pragma once

#include <functional>
#include <utility>

namespace kesto::app {

class BusyScope {
  public:
    explicit BusyScope(bool& busy, std::function<void()> whenEnded = {})
        : busy_(busy), before_(busy), whenEnded_(std::move(whenEnded)) {
        busy_ = true;
    }
    ~BusyScope() {
        busy_ = before_;
        if (!before_ && whenEnded_) {
            whenEnded_();
        }
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    bool& busy_;
    bool before_;
    std::function<void()> whenEnded_;
};

} // namespace kesto::app
