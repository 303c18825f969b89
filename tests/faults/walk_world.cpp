#include "walk_world.h"

namespace kesto::faults {

World::World() {
    os.AddFolder("D:\\Data");
    os.AddFolder("D:\\My Data");
    os.AddFolder("D:\\Live");
    os.AddFile("C:\\Tools\\help.htm");
    os.AddFile(kTableFile, *os.ToAnsi("[Other]\r\nkeep=1\r\n[KESTO]\r\n0=X:\\: => D:\\Data\r\n"
                                      "1=Y:\\: => D:\\新建\\照片\r\n26=beyond\r\n"));
    os.Subst({"W:", "D:\\Live"});
}

std::vector<Flow> UserFlows() {
    std::vector<Flow> flows = {
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
         {kConfirmRemoval}},
        {"refresh",
         true,
         [](World& w) {
             w.form->RefreshPartitions();
             w.form->FillList();
         },
         {},
         {}}};
    for (Flow& flow : flows) {
        if (flow.goal.kind != Goal::None) {
            flow.texts.push_back(flow.goal.success);
        }
        flow.texts.insert(flow.texts.end(), flow.goal.failures.begin(), flow.goal.failures.end());
        flow.texts.push_back(kTableNotSaved);
    }
    return flows;
}

} // namespace kesto::faults
