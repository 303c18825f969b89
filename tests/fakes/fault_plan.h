// Which calls of a fake fail: every call of a name in `failing`, and one call picked by its name
// and occurrence, so that a walk can fail each call of a run in turn.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace kesto::fakes {

class FaultPlan {
  public:
    std::set<std::string> failing;
    // The occurrence-th call of `call` (1 is the first, counted from the fake's creation) fails.
    void FailOnce(const std::string& call, int occurrence) { once_ = {call, occurrence}; }

  protected:
    // Counts the call, as it is made; true when it is to fail.
    bool Fails(const std::string& call) {
        const int count = ++counts_[call];
        return failing.count(call) != 0 || once_ == std::pair(call, count);
    }

  private:
    std::map<std::string, int> counts_;
    std::optional<std::pair<std::string, int>> once_;
};

} // namespace kesto::fakes
