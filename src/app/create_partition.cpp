// The creation panel: cmdcreate_Click, its option buttons and folder browse; MapDrive and
// RunWithProgress, which removal and the restore use too.
#include "app/main_form.h"

#include "app/ansi_folder.h"
#include "app/command_line.h"
#include "app/text.h"
#include "ui/main_names.h"

namespace kesto::app {

namespace {
constexpr std::size_t kBrowsePathBuffer = 512;
constexpr std::uint32_t kBifReturnOnlyFsDirs = 1;
} // namespace

void MainForm::cmdcreate_Click() {
    const auto running = busy_.BeginCommand();
    if (!running) {
        return;
    }
    const std::string freeDisk = Control(ui::CmbFreedisk).Text();
    if (freeDisk.empty()) {
        toolkit_.MsgBox("请选择你新建虚拟分区所使用的盘符!", platform::kMbIconExclamation);
        Control(ui::CmbFreedisk).SetFocus();
        return;
    }
    if (Control(ui::Opt1_0).Checked()) {
        const std::string folder = Control(ui::TxtDirector).Text();
        const std::optional<std::string> target =
            IsFolder(folder) ? AnsiFolder(os_, folder) : std::nullopt;
        if (!target) {
            toolkit_.MsgBox("你选择的目录不正确", platform::kMbIconExclamation);
            Control(ui::TxtDirector).SetFocus();
            return;
        }
        MapDrive(*running, freeDisk, *target, true);
        FillList();
        RefreshPartitions();
        return;
    }
    const std::string busyDisk = Control(ui::CmbBusyDisk).Text();
    if (busyDisk.empty()) {
        toolkit_.MsgBox("你尚未选择要从那一个磁盘分配空间！", platform::kMbIconExclamation);
        Control(ui::CmbBusyDisk).SetFocus();
        return;
    }
    const std::string folder = busyDisk + "\\KESTO_" + Left(freeDisk, 1);
    CreateNewDirectory(folder);
    const std::optional<std::string> target =
        IsFolder(folder) ? AnsiFolder(os_, folder) : std::nullopt;
    if (!target) {
        toolkit_.MsgBox("无法在你所指定的盘上创建新的虚拟分区，请确认你对此盘有写权限！",
                        platform::kMbIconExclamation);
        return;
    }
    MapDrive(*running, freeDisk, *target, true);
    FillList();
    RefreshPartitions();
}

void MainForm::Opt1_Click(int index) {
    const bool newFolderMode = index == 1;
    Control(ui::CmbBusyDisk).SetVisible(newFolderMode);
    Control(ui::TxtDirector).SetVisible(!newFolderMode);
    Control(ui::CmdFindDirector).SetVisible(!newFolderMode);
}

void MainForm::CmdFindDirector_Click() {
    const auto running = busy_.BeginCommand();
    if (!running) {
        return;
    }
    const platform::Handle idList = os_.BrowseForFolder(
        form_->WindowHandle(), "请选择你所要虚拟为分区的目录", kBifReturnOnlyFsDirs);
    if (idList == 0) {
        return;
    }
    std::string path;
    if (os_.GetPathFromIdList(idList, kBrowsePathBuffer, path)) {
        Control(ui::TxtDirector).SetText(path);
    }
    os_.FreeIdList(idList);
}

std::string MainForm::RunWithProgress(const BusyState::Hold& /*running*/,
                                      const std::string& commandLine, const std::string& view) {
    objDOS_ = std::make_unique<command::DOSOutputs>(os_, toolkit_);
    objDOS_->SetCommandLine(commandLine);
    FrmWorking_->SetView(view);
    FrmWorking_->Show();
    // Disabled before the pass of pending events, so that queued input cannot start a second
    // command that would replace the runner this one still needs.
    form_->SetEnabled(false);
    toolkit_.DoEvents();
    const std::string output = objDOS_->ExecuteCommand();
    form_->SetEnabled(true);
    FrmWorking_->Hide();
    return output;
}

void MainForm::MapDrive(const BusyState::Hold& running, const std::string& Drive,
                        const std::string& Folder, bool ShowResult) {
    const std::string output =
        RunWithProgress(running, MapCommandLine(Drive, Folder), "正在添加磁盘，请稍候……");
    if (ShowResult) {
        toolkit_.MsgBox(output.empty() && objDOS_->Completed()
                            ? "新的虚拟分区添加成功！"
                            : "虚拟分区未被成功建立!\r\n\r\n请确认你是否有足够的权限!",
                        platform::kMbIconInformation);
    }
    objDOS_.reset();
}

bool MainForm::IsFolder(const std::string& Path) {
    const auto attributes = os_.GetFileAttributesW(Path);
    return attributes && (*attributes & platform::kFileAttributeDirectory) != 0;
}

// Every level that is missing; whether it could be made is told by the folder being there.
void MainForm::CreateNewDirectory(const std::string& NewDirectory) {
    std::string path = NewDirectory;
    if (path.empty() || path.back() != '\\') {
        path += '\\';
    }
    for (std::size_t slash = path.find('\\'); slash != std::string::npos;
         slash = path.find('\\', slash + 1)) {
        os_.CreateDirectoryW(path.substr(0, slash + 1));
    }
}

// Without a short form (8.3 names switched off, or the call failed) the long path still names the
// folder; an empty one would name nothing.
std::string MainForm::ShortNameOrLong(const std::string& path) {
    const std::string shortPath = ShortName(os_, path);
    return shortPath.empty() ? path : shortPath;
}

} // namespace kesto::app
