// The machine every run of the fault walk starts from, and the user flows that run on it.
#pragma once

#include "app/main_form.h"
#include "fakes/fake_os.h"
#include "fakes/fake_toolkit.h"
#include "messages.h"
#include "ui/main_names.h"
#include "ui/working_names.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kesto::faults {

using namespace messages;

inline constexpr const char* kTableFile = "C:\\Tools\\kesto.ini";
inline const std::string kTableNotSaved = TableNotSaved(kTableFile);

// C: and D: fixed; the program in C:\Tools with its help page; a saved table of two partitions,
// one on a folder that is there and one on a folder to be made again; W: mapped by someone else;
// and a section and a key in the table file that are not the program's.
struct World {
    World();
    void Load();
    fakes::FakeForm& Window() { return *toolkit.Form("frmMain"); }
    template <class Kind> fakes::FakeControl& Control(ui::Name<Kind> name) {
        return Window().Find(name);
    }

    fakes::FakeOs os;
    fakes::FakeToolkit toolkit;
    std::unique_ptr<app::MainForm> form;
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
