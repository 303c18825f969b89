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
    // Every call is counted once, as it is made, before Fails is asked about it.
    void Count(const std::string& call) { ++counts_[call]; }
    bool Fails(const std::string& call) const {
        const auto count = counts_.find(call);
        return failing.count(call) != 0 ||
               (once_ && once_->first == call && count != counts_.end() &&
                count->second == once_->second);
    }

  private:
    std::map<std::string, int> counts_;
    std::optional<std::pair<std::string, int>> once_;
};

} // namespace kesto::fakes
