// Everything the rounds measured, each timing once a round, in milliseconds.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace kesto::bench {

struct Samples {
    std::size_t partitions = 0;
    std::vector<double> emptyShown, emptyLoaded; // start-up with no saved table
    std::vector<double> savedShown, savedLoaded; // start-up restoring every partition
    std::vector<double> bareMaps; // the same map commands run bare, before and after, in all
    // The same map commands behind the bench's own progress window, in turns with bare ones.
    std::vector<double> protocolMaps, pairedBareMaps;
    std::vector<double> uiCreate, bareCreate; // map + listing
    std::vector<double> uiRemove, bareRemove; // remove + listing
    // A window of the same system parts and nothing of the program's, and the program's window
    // with an empty table, in turns with it.
    std::vector<double> baselineShown, pairedShown;
    std::size_t peakWorkingSet = 0; // kesto.exe, the most seen in any round
    std::size_t baselineWorkingSet = 0;
    std::size_t peakPrivateBytes = 0;
    std::size_t baselinePrivateBytes = 0;
};

// Round by round, so that a round slowed by other work on the machine slows both sides.
inline std::vector<double> Ratios(const std::vector<double>& program,
                                  const std::vector<double>& bare) {
    std::vector<double> ratios;
    for (std::size_t round = 0; round < program.size() && round < bare.size(); ++round) {
        ratios.push_back(program[round] / bare[round]);
    }
    return ratios;
}

inline std::vector<double> Differences(const std::vector<double>& minuend,
                                       const std::vector<double>& subtrahend) {
    std::vector<double> differences;
    for (std::size_t round = 0; round < minuend.size() && round < subtrahend.size(); ++round) {
        differences.push_back(minuend[round] - subtrahend[round]);
    }
    return differences;
}

inline double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace kesto::bench
