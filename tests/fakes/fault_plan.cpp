#include "fakes/fault_plan.h"

namespace kesto::fakes {

bool FaultPlan::Fails(const std::string& call) const {
    if (failing.count(call) != 0) {
        return true;
    }
    const auto count = counts_.find(call);
    return once_ && once_->first == call && count != counts_.end() &&
           count->second == once_->second;
}

} // namespace kesto::fakes
