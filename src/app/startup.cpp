// Form_Load and Form_Unload: the log-on entry, the saved partitions made again, the tray.
#include "app/main_form.h"

#include "app/ansi_folder.h"
#include "app/command_line.h"
#include "app/subst_line.h"
#include "ui/make_window.h"

namespace kesto::app {

namespace {
constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunValueName = "KESTO";
constexpr std::uint32_t kTableRetryMilliseconds = 250;
constexpr std::uint32_t kTablePatienceMilliseconds = 2000;
} // namespace

void MainForm::Form_Load() {
    // Start-up is no input of its own, but the restore runs commands and shows messages.
    const BusyState::Hold startUp(busy_);
    ui::SkinWindow(toolkit_, form_);
    ui::SetTopmost(toolkit_, *form_, -1);
    paths_ = AppPathsOf(os_.ModuleFileName());
    form_->Show();
    WriteLogOnEntry();
    RestoreSavedPartitions(startUp);
    RefreshPartitions();
    FillList();
    TrayArea1_->SetVisible(-1);
    if (ArgumentStringOf(os_.CommandLine()) == "/auto") {
        form_->Hide();
    }
}

void MainForm::WriteLogOnEntry() {
    const std::string command =
        QuoteIfBlank(ShortNameOrLong(paths_.appPath) + paths_.exeTitle + ".exe") + " /auto";
    platform::Handle key = 0;
    const long created = os_.RegCreateKeyW(platform::Os::kHkeyCurrentUser, kRunKey, key);
    // The value is kept in Unicode either way: a path the code page cannot spell goes in as it
    // is rather than altered into one that starts nothing.
    long set = 0;
    if (const std::optional<std::string> data = os_.ToAnsi(command)) {
        set = os_.RegSetValueExA(key, kRunValueName, platform::kRegSz, *data,
                                 static_cast<std::uint32_t>(data->size() + 1));
    } else {
        set = os_.RegSetStringValue(key, kRunValueName, command);
    }
    os_.RegCloseKey(key);
    if (created != 0 || set != 0) {
        WarnLogOnEntryNotSaved();
    }
}

void MainForm::RestoreSavedPartitions(const BusyState::Hold& running) {
    const std::optional<std::vector<std::string>> saved = ReadSavedTable();
    if (!saved) {
        unrestored_.reset();
        WarnTableNotRead();
        return;
    }
    for (const std::string& line : RestoreOrder(*saved)) {
        const std::string drive = DriveOf(line);
        const std::string folder = FolderOf(line);
        if (IsMappingLine(line)) {
            CreateNewDirectory(folder);
            const std::optional<std::string> target =
                IsFolder(folder) ? AnsiFolder(os_, folder) : std::nullopt;
            if (target) {
                MapDrive(running, drive, *target, false);
                continue;
            }
        }
        toolkit_.MsgBox("无法载入保存的虚拟分区" + drive + "，请确认你对" + folder + "有权限！",
                        platform::kMbIconExclamation);
    }
}

// A program that opens the file without sharing (a backup, a scanner, a sync client) lets go
// within a second or two at most.
std::optional<std::vector<std::string>> MainForm::ReadSavedTable() {
    PartitionTableFile table = Table();
    for (std::uint32_t waited = 0;; waited += kTableRetryMilliseconds) {
        if (std::optional<std::vector<std::string>> lines = table.ReadLines()) {
            return lines;
        }
        if (waited >= kTablePatienceMilliseconds) {
            return std::nullopt;
        }
        os_.Sleep(kTableRetryMilliseconds);
    }
}

void MainForm::Form_Unload() {
    objDOS_.reset();
    FrmWorking_->Unload();
}

void MainForm::Unload() {
    if (busy_.Admit(BusyState::Input::Close) == BusyState::Outcome::Deferred) {
        return;
    }
    if (!Loaded()) {
        return;
    }
    Form_Unload();
    TrayArea1_.reset();
    FrmWorking_.reset();
    form_.reset();
    toolkit_.Quit();
}

} // namespace kesto::app
