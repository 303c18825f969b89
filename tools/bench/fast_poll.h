// Waiting for the program to get somewhere, looking every millisecond: the driver's own
// polling is meant for tests and too coarse to time anything with.
#pragma once

#include "stopwatch.h"

#include <stdexcept>
#include <string>

#include <windows.h>

namespace kesto::bench {

// Calls condition every intervalMs until it holds; returns the time it first held. Throws after
// timeoutMs. Each look costs the Wine server calls the program needs too: long waits look less
// often.
template <class Condition>
double WaitFor(Condition condition, double timeoutMs, const std::string& what,
               DWORD intervalMs = 1) {
    const double deadline = NowMs() + timeoutMs;
    for (;;) {
        if (condition()) {
            return NowMs();
        }
        if (NowMs() > deadline) {
            throw std::runtime_error("timed out waiting for " + what);
        }
        Sleep(intervalMs);
    }
}

} // namespace kesto::bench
