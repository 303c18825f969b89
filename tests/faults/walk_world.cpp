#include "walk_world.h"

#include <stdexcept>

namespace kesto::faults {

namespace {

template <class List> void Select(World& world, ui::Name<List> list, const std::string& item) {
    if (!world.Control(list).Select(item)) {
        throw std::logic_error(std::string(list.text) + " does not offer " + item);
    }
}

} // namespace

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
    Flow startup{"start-up with a restore", false, [](World& w) { w.Load(); }, {}, {}};
    startup.texts = {NotRestored("X:", "D:\\Data"), NotRestored("Y:", "D:\\新建\\照片"),
                     kLogOnEntryNotSaved};

    Flow newFolder{"create in a new folder",
                   true,
                   [](World& w) {
                       Select(w, ui::CmbFreedisk, "V:");
                       Select(w, ui::CmbBusyDisk, "D:");
                       w.Window().Click(ui::cmdcreate);
                   },
                   {Goal::Map, 'V', kMapped, {kNotMapped, kDiskNotWritable}},
                   {}};

    Flow existing{"create on an existing folder",
                  true,
                  [](World& w) {
                      w.Window().Click(ui::Opt1_0);
                      w.Control(ui::TxtDirector).SetText("D:\\My Data");
                      Select(w, ui::CmbFreedisk, "U:");
                      w.Window().Click(ui::cmdcreate);
                  },
                  {Goal::Map, 'U', kMapped, {kNotMapped, kWrongFolder}},
                  {}};

    Flow remove{"remove",
                true,
                [](World& w) {
                    Select(w, ui::listKesto, "W:\\: => D:\\Live");
                    w.Window().Click(ui::cmddele);
                },
                {Goal::Remove, 'W', kRemoved, {kNotRemoved}},
                {kConfirmRemoval}};

    Flow refresh{"refresh",
                 true,
                 [](World& w) {
                     w.form->RefreshPartitions();
                     w.form->FillList();
                 },
                 {},
                 {}};

    std::vector<Flow> flows = {startup, newFolder, existing, remove, refresh};
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
