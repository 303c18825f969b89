// Waiting for another process to get somewhere: there is no event to wait on, so look again
// every few milliseconds until the answer comes or the time is up.
#pragma once

#include <chrono>
#include <optional>
#include <thread>

namespace kesto::uidriver {

using std::chrono::milliseconds;

constexpr milliseconds kPollInterval{50};

// Calls condition until it holds or timeout passes; returns whether it held.
template <class Condition> bool WaitUntil(Condition condition, milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

// Calls probe until it returns a value or timeout passes; probe returns std::optional.
template <class Probe> auto PollFor(Probe probe, milliseconds timeout) -> decltype(probe()) {
    decltype(probe()) found;
    WaitUntil(
        [&] {
            found = probe();
            return found.has_value();
        },
        timeout);
    return found;
}

} // namespace kesto::uidriver
