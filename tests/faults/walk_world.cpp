#include "walk_world.h"

#include "command/dos_outputs.h"

#include <stdexcept>

namespace kesto::faults {

namespace {

const std::string kMapFailed = "虚拟分区未被成功建立!\r\n\r\n请确认你是否有足够的权限!";
const std::string kMapped = "新的虚拟分区添加成功！";

template <class List> void Select(World& world, ui::Name<List> list, const std::string& item) {
    if (!world.Control(list).Select(item)) {
        throw std::logic_error(std::string(list.text) + " does not offer " + item);
    }
}

} // namespace

World::World() {
    os.AddDrive('D');
    os.AddFolder("C:\\Tools");
    os.AddFolder("D:\\Data");
    os.AddFolder("D:\\My Data");
    os.AddFolder("D:\\Live");
    os.AddFile("C:\\Tools\\help.htm");
    os.AddFile(kTableFile, *os.ToAnsi("[Other]\r\nkeep=1\r\n[KESTO]\r\n0=X:\\: => D:\\Data\r\n"
                                      "1=Y:\\: => D:\\新建\\照片\r\n26=beyond\r\n"));
    command::DOSOutputs(os, toolkit).ExecuteCommand("subst W: D:\\Live");
}

void World::Load() {
    form = std::make_unique<app::MainForm>(os, toolkit);
    form->Form_Load();
}

std::vector<Flow> UserFlows() {
    Flow startup{"start-up with a restore", false, [](World& w) { w.Load(); }, {}, {}};
    startup.texts = {"无法载入保存的虚拟分区X:，请确认你对D:\\Data有权限！",
                     "无法载入保存的虚拟分区Y:，请确认你对D:\\新建\\照片有权限！",
                     kLogOnEntryNotSaved};

    Flow newFolder{"create in a new folder",
                   true,
                   [](World& w) {
                       Select(w, ui::CmbFreedisk, "V:");
                       Select(w, ui::CmbBusyDisk, "D:");
                       w.Window().Click(ui::cmdcreate);
                   },
                   {Goal::Map,
                    'V',
                    kMapped,
                    {kMapFailed, "无法在你所指定的盘上创建新的虚拟分区，请确认你对此盘有写权限！"}},
                   {}};

    Flow existing{"create on an existing folder",
                  true,
                  [](World& w) {
                      w.Window().Click(ui::Opt1_0);
                      w.Control(ui::TxtDirector).SetText("D:\\My Data");
                      Select(w, ui::CmbFreedisk, "U:");
                      w.Window().Click(ui::cmdcreate);
                  },
                  {Goal::Map, 'U', kMapped, {kMapFailed, "你选择的目录不正确"}},
                  {}};

    Flow remove{"remove",
                true,
                [](World& w) {
                    Select(w, ui::listKesto, "W:\\: => D:\\Live");
                    w.Window().Click(ui::cmddele);
                },
                {Goal::Remove,
                 'W',
                 "你所指定的虚拟分区已被顺利移除！",
                 {"你所指定的虚拟分区未被移除，可能此分区正在使用中。\r\n\r\n"
                  "你可以关闭正在打开的文件或重启计算机后再进行移除!"}},
                {"你确实要删除选中的虚拟分区吗？\r\n注意：删除分区并不删除你的数据，"
                 "这些数据仍然保存在盘符所指向的文件夹中！"}};

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
