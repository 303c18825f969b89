// One create and one remove done through the window as a user does them. Each returns the
// milliseconds the program was at work: from a click or an answer to the next message box or
// to its lists updated, the time the user reads the boxes left out.
#pragma once

#include "running_kesto.h"

#include <string>

namespace kesto::bench {

// Maps letter to folder with "将文件夹模拟为新分区"; the list must show it after.
double CreateThroughUi(const RunningKesto& kesto, char letter, const std::string& folder);
// Removes the list's first partition, answering yes.
double RemoveThroughUi(const RunningKesto& kesto);

} // namespace kesto::bench
