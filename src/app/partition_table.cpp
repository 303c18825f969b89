// The partition list read from subst, shown and saved; the two drive lists filled.
#include "app/main_form.h"

#include "app/command_line.h"
#include "app/subst_line.h"
#include "ui/main_names.h"

#include <algorithm>

namespace kesto::app {

void MainForm::RefreshPartitions() {
    objDOS_ = std::make_unique<command::DOSOutputs>(os_, toolkit_);
    objDOS_->SetCommandLine(ListingCommandLine());
    const std::string listing = objDOS_->ExecuteCommand();
    const bool listed = objDOS_->Completed();

    platform::ListBox& listKesto = Control(ui::listKesto);
    listKesto.Clear();
    std::vector<std::string> lines = SplitListing(listing);
    for (std::string& line : lines) {
        line = MappedFolderLine(line);
        listKesto.AddItem(line);
    }
    // Without a listing the saved table is all we know of the partitions: keep it.
    if (listed) {
        SaveTable(std::move(lines));
    }
    objDOS_.reset();
}

void MainForm::SaveTable(std::vector<std::string> lines) {
    if (!unrestored_) {
        unrestored_ = Table().ReadLines();
        if (!unrestored_) {
            return;
        }
    }
    // A partition made on the letter meanwhile takes the place of the one saved there, for good:
    // removing it later must not bring the old one back.
    std::erase_if(*unrestored_, [&](const std::string& saved) {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return SameDrive(DriveOf(line), DriveOf(saved));
        });
    });
    lines.insert(lines.end(), unrestored_->begin(), unrestored_->end());
    if (!Table().Save(lines)) {
        WarnTableNotSaved();
    }
}

// A console program may write its listing in the OEM code page rather than the ANSI one, and
// which of them subst uses cannot be asked: where the ANSI reading names no folder and the OEM
// one does, that one is mapped.
std::string MainForm::MappedFolderLine(const std::string& line) {
    const std::optional<std::string> bytes = os_.ToAnsi(line);
    if (!bytes) {
        return line;
    }
    const std::string oemLine = os_.FromOem(*bytes);
    if (oemLine == line || !IsMappingLine(line) || !IsMappingLine(oemLine) ||
        IsFolder(FolderOf(line)) || !IsFolder(FolderOf(oemLine))) {
        return line;
    }
    return oemLine;
}

void MainForm::FillList() {
    platform::DropDownList& CmbFreedisk = Control(ui::CmbFreedisk);
    platform::DropDownList& CmbBusyDisk = Control(ui::CmbBusyDisk);
    CmbFreedisk.Clear();
    CmbBusyDisk.Clear();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = {static_cast<char>(letter + 32), ':'};
        const std::string item = {letter, ':'};
        if (os_.GetDriveTypeW(root) == platform::kDriveNoRootDir) {
            CmbFreedisk.AddItem(item);
        } else {
            CmbBusyDisk.AddItem(item);
        }
    }
}

} // namespace kesto::app
