// cmddele_Click: the selected partition removed once the user agrees; its folder stays.
#include "app/main_form.h"

#include "app/command_line.h"
#include "app/subst_line.h"
#include "ui/main_names.h"

namespace kesto::app {

void MainForm::cmddele_Click() {
    const auto running = busy_.BeginCommand();
    if (!running) {
        return;
    }
    platform::ListBox& listKesto = Control(ui::listKesto);
    const std::string selected = listKesto.Text();
    if (selected.empty()) {
        toolkit_.MsgBox("请首先选中“已有虚拟硬盘”列表中的硬盘后再点击移除!", platform::kMbOk);
        return;
    }
    if (toolkit_.MsgBox("你确实要删除选中的虚拟分区吗？\r\n注意：删除分区并不删除你的数据，"
                        "这些数据仍然保存在盘符所指向的文件夹中！",
                        platform::kMbIconQuestion | platform::kMbYesNo) != platform::kIdYes) {
        return;
    }
    std::vector<std::string> items;
    const int count = listKesto.ListCount();
    for (int index = 0; index < count; ++index) {
        items.push_back(listKesto.List(index));
    }
    if (CarriesAnotherMapping(items, selected)) {
        toolkit_.MsgBox("你在当前的虚拟分区上又建立了另一个虚拟分区，必须先移除另一个虚拟分区，"
                        "方可移除本分区。",
                        platform::kMbIconInformation);
        return;
    }
    const std::string output = RunWithProgress(*running, RemoveCommandLine(DriveOf(selected)),
                                               "正在删除虚拟分区，请稍候……");
    toolkit_.MsgBox(output.empty() && objDOS_->Completed()
                        ? "你所指定的虚拟分区已被顺利移除！"
                        : "你所指定的虚拟分区未被移除，可能此分区正在使用中。\r\n\r\n"
                          "你可以关闭正在打开的文件或重启计算机后再进行移除!",
                    platform::kMbIconInformation);
    RefreshPartitions();
    FillList();
}

} // namespace kesto::app
