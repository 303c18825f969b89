// The figures as a table, each against its goal, and how they were taken.
#pragma once

#include "samples.h"

#include <filesystem>

namespace kesto::bench {

// Prints the table and the method.
void PrintReport(const Samples& samples, const std::filesystem::path& program, int rounds);

} // namespace kesto::bench
