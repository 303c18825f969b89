// The machine every run of the fault walk starts from, and the user flows that run on it.
#pragma once

#include "messages.h"
#include "unit/main_form_fixture.h"

#include <functional>
#include <string>
#include <vector>

namespace kesto::faults {

using namespace messages;

inline constexpr const char* kTableFile = "C:\\Tools\\kesto.ini";
inline const std::string kTableNotSaved = TableNotSaved(kTableFile);

// The program in C:\Tools with its help page; a saved table of two partitions, one on a folder
// that is there and one on a folder to be made again; W: mapped by someone else; and a section
// and a key in the table file that are not the program's.
struct World : MainFormMachine {
    World();
};

// What a flow is asked to do to the live mappings.
struct Goal {
    enum Kind { None, Map, Remove } kind = None;
    char letter = 0;
    std::string success;
    // Texts that tell the user it did not happen.
    std::vector<std::string> failures;
};

struct Flow {
    std::string name;
    bool startsLoaded = true; // false: the flow is the start-up itself
    std::function<void(World&)> act;
    Goal goal;
    // Every text the flow may show besides the command runner's own.
    std::vector<std::string> texts;
};

std::vector<Flow> UserFlows();

} // namespace kesto::faults
