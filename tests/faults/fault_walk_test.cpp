// Each user flow runs once without faults; then once for every system and window call it made,
// with exactly that call failing; what such a run left behind must still be right.
#include "fakes/code_page.h"
#include "fakes/ini_text.h"
#include "unit/main_form_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace kesto::faults {
namespace {

using namespace messages;

constexpr const char* kTableFile = "C:\\Tools\\kesto.ini";
const std::string kTableNotSaved = TableNotSaved(kTableFile);

// The program in C:\Tools with its help page; a saved table of two partitions, one on a folder
// that is there and one on a folder to be made again; W: mapped by someone else; and a section
// and a key in the table file that are not the program's.
struct World : MainFormMachine {
    World() {
        choicesMustBeOffered = false;
        os.AddFolder("D:\\Data");
        os.AddFolder("D:\\My Data");
        os.AddFolder("D:\\Live");
        os.AddFile("C:\\Tools\\help.htm");
        os.AddFile(kTableFile, *os.ToAnsi("[Other]\r\nkeep=1\r\n[KESTO]\r\n0=X:\\: => D:\\Data\r\n"
                                          "1=Y:\\: => D:\\新建\\照片\r\n26=beyond\r\n"));
        os.Subst({"W:", "D:\\Live"});
    }
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
    // Every text the flow may show besides its goal's, the table warning and the runner's own.
    std::vector<std::string> texts;
};

std::vector<Flow> UserFlows() {
    return {
        {"start-up with a restore",
         false,
         [](World& w) { w.Load(); },
         {},
         {NotRestored("X:", "D:\\Data"), NotRestored("Y:", "D:\\新建\\照片"), kLogOnEntryNotSaved}},
        {"create in a new folder",
         true,
         [](World& w) { w.Create("V:", "D:"); },
         {Goal::Map, 'V', kMapped, {kNotMapped, kDiskNotWritable}},
         {}},
        {"create on an existing folder",
         true,
         [](World& w) { w.MapExisting("D:\\My Data", "U:"); },
         {Goal::Map, 'U', kMapped, {kNotMapped, kWrongFolder}},
         {}},
        {"remove",
         true,
         [](World& w) { w.Remove("W:\\: => D:\\Live"); },
         {Goal::Remove, 'W', kRemoved, {kNotRemoved}},
         {kConfirmRemoval}}};
}

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

constexpr int kTableKeys = 26;
constexpr int kMbIconError = 16;
constexpr int kMbIconExclamation = 48;

std::string NameOf(const std::string& call) {
    return call.substr(0, call.find(' '));
}

bool IsRunnerCall(const std::string& call) {
    const std::string name = NameOf(call);
    return name == "CreatePipe" || name == "CreateProcess" || name == "ReadFile" ||
           name == "CloseHandle";
}

// What a failing call does to the command runner around it.
struct RunnerPart {
    std::string command; // the command line of the run it belongs to; empty: none
    bool outputLost = false;
    std::string message; // the runner's own
};

RunnerPart RunnerPartOf(const std::vector<std::string>& calls, std::size_t at) {
    std::size_t start = at;
    while (start > 0 && IsRunnerCall(calls[start]) && NameOf(calls[start]) != "CreatePipe") {
        --start;
    }
    if (NameOf(calls[start]) != "CreatePipe" || start + 1 >= calls.size()) {
        return {};
    }
    RunnerPart part;
    part.command = calls[start + 1].substr(std::string("CreateProcess ").size());
    // The pipe, the child, closing our write end, without which the reads never end, and every
    // read: any failure but the end of the pipe cuts the output short.
    part.outputLost = at <= start + 2 || NameOf(calls[at]) == "ReadFile";
    if (at == start) {
        part.message = "CreatePipe failed. Error: 8";
    } else if (at == start + 1) {
        part.message = "File or command not found";
    }
    return part;
}

// Calls whose failure the user is not told of: nothing is lost by it (a failed read of the table
// is read again, during the restore as after it, where its key is written again), or there is a
// way round it (an unknown drive counts as taken, the long folder stands in for its short form).
bool Unexamined(const std::string& name) {
    static const std::set<std::string> names = {"RegCloseKey", "GetPrivateProfileString",
                                                "GetDriveType", "GetShortPathName", "CloseHandle"};
    return names.count(name) != 0;
}

// What must be shown when the failing call lost what the next log-on needs, besides what the
// fault-free run showed: the table warning after everything else (the refresh that saves comes
// last), the log-on entry's before anything (it is written first).
std::optional<std::vector<std::pair<std::string, int>>> ToldOfLoss(const Snapshot& baseline,
                                                                   const Fault& fault) {
    auto messages = baseline.messages;
    if (fault.name == "WritePrivateProfileString") {
        messages.emplace_back(kTableNotSaved, kMbIconExclamation);
    } else if (fault.name == "RegCreateKey" || fault.name == "RegSetValueEx") {
        messages.insert(messages.begin(), {kLogOnEntryNotSaved, kMbIconExclamation});
    } else {
        return std::nullopt;
    }
    return messages;
}

// The table's keys, in UTF-8 (the world is on code page 936).
std::map<std::string, std::string> TableOf(const std::string& ini) {
    std::map<std::string, std::string> table;
    for (int key = 0; key < kTableKeys; ++key) {
        if (const auto value = fakes::IniValue(ini, "KESTO", std::to_string(key))) {
            table[std::to_string(key)] = fakes::ConvertCodePage(*value, "CP936", "UTF-8");
        }
    }
    return table;
}

// The live mappings as the listing gives them, less what one failed write left undone. A saved
// line whose mapping is not live is dropped: the restore could not make it (its folder out of
// reach, its letter taken), and the table keeps only what exists.
std::map<std::string, std::string> ExpectedTable(const Snapshot& run, const Snapshot& baseline,
                                                 const Fault& fault) {
    std::map<std::string, std::string> table;
    int key = 0;
    for (const auto& [letter, folder] : run.mappings) {
        table[std::to_string(key++)] = std::string(1, letter) + ":\\: => " + folder;
    }
    if (fault.name == "WritePrivateProfileString") {
        const std::string write = baseline.calls[fault.at].substr(fault.name.size() + 1);
        const std::size_t deleted = write.find(" (delete)");
        if (deleted == std::string::npos) {
            table.erase(write.substr(0, write.find('=')));
        } else if (!table.count(write.substr(0, deleted))) {
            const auto before = TableOf(run.iniBefore);
            const auto kept = before.find(write.substr(0, deleted));
            if (kept != before.end()) {
                table.insert(*kept);
            }
        }
    }
    return table;
}

bool Shows(const Snapshot& run, const std::string& text) {
    return std::any_of(run.messages.begin(), run.messages.end(),
                       [&](const auto& message) { return message.first == text; });
}

// A saved line leaves the table at a start-up only when the user is told that it could not be
// restored or that the command runner failed, when its mapping was tried and failed (letter taken,
// subst refusing: dropped without a word by design), or when a write of the table failed, which is
// told.
void SavedLinesLeaveWithAReason(const Snapshot& run) {
    const auto after = TableOf(run.ini);
    for (const auto& [key, line] : TableOf(run.iniBefore)) {
        const bool kept = std::any_of(after.begin(), after.end(),
                                      [&](const auto& entry) { return entry.second == line; });
        const std::string drive = line.substr(0, 2);
        const bool told = std::any_of(run.messages.begin(), run.messages.end(), [&](const auto& m) {
            return m.first.starts_with("无法载入保存的虚拟分区" + drive) ||
                   m.first == kTableNotSaved || m.second == kMbIconError;
        });
        const bool tried =
            std::any_of(run.calls.begin() + static_cast<std::ptrdiff_t>(run.flowStart),
                        run.calls.end(), [&](const std::string& call) {
                            return call.starts_with("CreateProcess subst " + drive);
                        });
        EXPECT_TRUE(kept || told || tried) << "saved line lost silently: " << line;
    }
}

void CheckGoal(const Goal& goal, const Snapshot& run) {
    if (goal.kind == Goal::None) {
        return;
    }
    const bool mapped = run.mappings.count(goal.letter) != 0;
    const bool happened = goal.kind == Goal::Map ? mapped : !mapped;
    if (Shows(run, goal.success)) {
        EXPECT_TRUE(happened) << "success shown for what did not happen";
    }
    if (!happened) {
        EXPECT_TRUE(std::any_of(goal.failures.begin(), goal.failures.end(),
                                [&](const std::string& text) { return Shows(run, text); }))
            << "a failure nobody was told of";
    }
}

// One run of the flow with at most one failing call, and what it left behind.
Snapshot RunFlow(const Flow& flow, const std::optional<Fault>& fault) {
    World world;
    if (flow.startsLoaded) {
        world.Load();
    }
    Snapshot run;
    run.iniBefore = world.os.FileContent(kTableFile).value_or("");
    run.flowStart = world.os.Calls().size();
    const std::size_t messagesBefore = world.toolkit.messageBoxes.size();
    const std::size_t windowCallsBefore = world.toolkit.windowCalls.size();
    const std::size_t notifyCallsBefore = world.toolkit.notifyCalls.size();
    if (fault) {
        (fault->inToolkit ? static_cast<fakes::FaultPlan&>(world.toolkit)
                          : static_cast<fakes::FaultPlan&>(world.os))
            .FailOnce(fault->name, fault->occurrence);
    }
    try {
        flow.act(world);
    } catch (const std::exception& e) {
        run.exception = e.what();
    }

    for (std::size_t i = messagesBefore; i < world.toolkit.messageBoxes.size(); ++i) {
        run.messages.emplace_back(world.toolkit.messageBoxes[i].text,
                                  world.toolkit.messageBoxes[i].style);
    }
    run.mappings = world.os.Mappings();
    run.ini = world.os.FileContent(kTableFile).value_or("");
    run.folders = world.os.Folders();
    if (fakes::FakeForm* window = world.toolkit.Form("frmMain")) {
        run.list = window->Find(ui::listKesto).Items();
        run.freeLetters = window->Find(ui::CmbFreedisk).Items();
        run.busyLetters = window->Find(ui::CmbBusyDisk).Items();
        run.visible = window->Visible();
    }
    run.openHandles = world.os.OpenHandleCount() + world.toolkit.RegionsHeld().size();
    run.calls = world.os.Calls();

    std::map<std::string, int> seen;
    const auto& windowCalls = world.toolkit.windowCalls;
    for (std::size_t i = 0; i < windowCalls.size(); ++i) {
        const int occurrence = ++seen[windowCalls[i].name];
        if (i >= windowCallsBefore) {
            run.toolkitCalls.push_back({true, windowCalls[i].name, occurrence, i});
        }
    }
    for (std::size_t i = notifyCallsBefore; i < world.toolkit.notifyCalls.size(); ++i) {
        run.toolkitCalls.push_back({true, "ShellNotifyIcon", static_cast<int>(i) + 1, i});
    }
    return run;
}

// Every call the fault-free run made during its flow, as a fault to inject.
std::vector<Fault> FaultsOf(const Snapshot& baseline) {
    std::vector<Fault> faults;
    std::map<std::string, int> seen;
    for (std::size_t i = 0; i < baseline.calls.size(); ++i) {
        const std::string name = NameOf(baseline.calls[i]);
        const int occurrence = ++seen[name];
        if (i >= baseline.flowStart) {
            faults.push_back({false, name, occurrence, i});
        }
    }
    faults.insert(faults.end(), baseline.toolkitCalls.begin(), baseline.toolkitCalls.end());
    return faults;
}

void CheckSystemFault(const Flow& flow, const Snapshot& baseline, const Fault& fault,
                      const Snapshot& run) {
    EXPECT_EQ(run.exception, "");
    if (fault.name != "CloseHandle" && fault.name != "RegCloseKey") {
        EXPECT_EQ(run.openHandles, 0u);
    }
    const RunnerPart runner = RunnerPartOf(baseline.calls, fault.at);
    std::vector<std::string> runnerMessages;
    for (const auto& [text, style] : run.messages) {
        if (style == kMbIconError) {
            runnerMessages.push_back(text);
        } else {
            const auto& failures = flow.goal.failures;
            EXPECT_TRUE((flow.goal.kind != Goal::None && text == flow.goal.success) ||
                        text == kTableNotSaved ||
                        std::count(failures.begin(), failures.end(), text) ||
                        std::count(flow.texts.begin(), flow.texts.end(), text))
                << "unexpected message " << text;
        }
    }
    EXPECT_EQ(runnerMessages, runner.message.empty() ? std::vector<std::string>{}
                                                     : std::vector<std::string>{runner.message});
    if (Unexamined(fault.name) && !runner.outputLost) {
        EXPECT_EQ(run.messages, baseline.messages);
    }
    if (const auto told = ToldOfLoss(baseline, fault)) {
        EXPECT_EQ(run.messages, *told) << "a loss nobody was told of";
    }
    CheckGoal(flow.goal, run);

    if (runner.outputLost && runner.command == "subst") {
        EXPECT_EQ(run.ini, run.iniBefore) << "table changed without a listing";
    } else {
        EXPECT_EQ(TableOf(run.ini), ExpectedTable(run, baseline, fault));
    }
    if (!flow.startsLoaded) {
        SavedLinesLeaveWithAReason(run);
    }
    EXPECT_EQ(fakes::IniValue(run.ini, "Other", "keep"), "1");
    EXPECT_EQ(fakes::IniValue(run.ini, "KESTO", "26"), "beyond");
    EXPECT_TRUE(std::includes(baseline.folders.begin(), baseline.folders.end(), run.folders.begin(),
                              run.folders.end()))
        << "made a folder the flow was not asked to make";
}

// Window calls' results are not examined: their failure must change nothing visible.
void CheckWindowFault(const Snapshot& baseline, const Snapshot& run) {
    EXPECT_EQ(run.exception, "");
    EXPECT_EQ(run.openHandles, 0u);
    const auto seen = [](const Snapshot& s) {
        return std::tie(s.messages, s.mappings, s.ini, s.folders, s.list, s.freeLetters,
                        s.busyLetters, s.visible);
    };
    EXPECT_EQ(seen(run), seen(baseline));
}

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
