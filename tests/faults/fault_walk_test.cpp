// Each user flow runs once without faults; then once for every system and window call it made,
// with exactly that call failing.
#include "walk_checks.h"

#include <gtest/gtest.h>

#include <iostream>

namespace kesto::faults {
namespace {

TEST(FaultWalk, EveryCallOfEveryFlowFailsInTurn) {
    const std::vector<Flow> flows = UserFlows();
    int injected = 0;
    for (const Flow& flow : flows) {
        const Snapshot baseline = RunFlow(flow, std::nullopt);
        ASSERT_EQ(baseline.exception, "") << flow.name;
        if (flow.goal.kind != Goal::None) {
            ASSERT_EQ(baseline.messages.back().first, flow.goal.success) << flow.name;
        }
        for (const Fault& fault : FaultsOf(baseline)) {
            SCOPED_TRACE(flow.name + ": " + fault.name + " #" + std::to_string(fault.occurrence) +
                         (fault.inToolkit ? "" : " (" + baseline.calls[fault.at] + ")"));
            const Snapshot run = RunFlow(flow, fault);
            if (fault.inToolkit) {
                CheckWindowFault(baseline, run);
            } else {
                CheckSystemFault(flow, baseline, fault, run);
            }
            ++injected;
        }
    }
    std::cout << "fault walk: " << injected << " faults injected over " << flows.size()
              << " flows\n";
}

} // namespace
} // namespace kesto::faults
