// Marks a handler as running for as long as it lasts; scopes nest.
#pragma once

namespace kesto::app {

class BusyScope {
  public:
    explicit BusyScope(bool& busy) : busy_(busy), before_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = before_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    bool& busy_;
    bool before_;
};

} // namespace kesto::app
