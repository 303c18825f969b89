// One run of a flow with at most one failing call, what it left behind, and what such a run must
// still get right.
#pragma once

#include "walk_world.h"

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kesto::faults {

struct Fault {
    bool inToolkit = false;
    std::string name;
    int occurrence = 0; // of that name, counted from the machine's creation
    std::size_t at = 0; // place in the calls of the fault-free run
};

struct Snapshot {
    std::string exception;
    std::vector<std::pair<std::string, int>> messages; // shown during the flow, with their style
    std::map<char, std::string> mappings;
    std::string iniBefore, ini;
    std::set<std::string> folders;
    std::vector<std::string> list, freeLetters, busyLetters;
    bool visible = false;
    std::size_t openHandles = 0; // of the system, and regions not handed to a window
    // The whole log of system calls, and where the flow began in it.
    std::vector<std::string> calls;
    std::size_t flowStart = 0;
    std::vector<Fault> toolkitCalls; // made during the flow
};

Snapshot RunFlow(const Flow& flow, const std::optional<Fault>& fault);
// Every call the fault-free run made during its flow, as a fault to inject.
std::vector<Fault> FaultsOf(const Snapshot& baseline);

void CheckSystemFault(const Flow& flow, const Snapshot& baseline, const Fault& fault,
                      const Snapshot& run);
// Window calls' results are not examined: their failure must change nothing visible.
void CheckWindowFault(const Snapshot& baseline, const Snapshot& run);

} // namespace kesto::faults
