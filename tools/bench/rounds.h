// The measuring itself: a warm-up, then rounds in which the program's runs and the bare
// subst runs take turns, so that both meet the machine in the same state.
#pragma once

#include "bench_folder.h"
#include "samples.h"

#include <filesystem>

namespace kesto::bench {

// Start-ups of the program and of the window of the same system parts in turns, in each round.
inline constexpr int kStartUpPairs = 3;

Samples MeasureRounds(const BenchFolder& folder, int rounds, const std::filesystem::path& baseline);

} // namespace kesto::bench
