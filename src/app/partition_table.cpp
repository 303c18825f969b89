#include "app/main_form.h"

#include "app/command_line.h"
#include "app/subst_line.h"

namespace kesto::app {

void MainForm::RefreshPartitions() {
    objDOS_ = std::make_unique<command::DOSOutputs>(os_, toolkit_);
    objDOS_->SetCommandLine(ListingCommandLine());
    const std::string listing = objDOS_->ExecuteCommand();
    const bool listed = objDOS_->Completed();

    platform::Control& listKesto = Control("listKesto");
    listKesto.Clear();
    const std::vector<std::string> lines = SplitListing(listing);
    for (const std::string& line : lines) {
        listKesto.AddItem(line);
    }
    // Without a listing the saved table is all we know of the partitions: keep it.
    if (listed && !SaveTable(lines)) {
        WarnTableNotSaved();
    }
    objDOS_.reset();
}

void MainForm::FillList() {
    platform::Control& CmbFreedisk = Control("CmbFreedisk");
    platform::Control& CmbBusyDisk = Control("CmbBusyDisk");
    CmbFreedisk.Clear();
    CmbBusyDisk.Clear();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = {static_cast<char>(letter + 32), ':'};
        const std::string item = {letter, ':'};
        if (os_.GetDriveType(root) == platform::kDriveNoRootDir) {
            CmbFreedisk.AddItem(item);
        } else {
            CmbBusyDisk.AddItem(item);
        }
    }
}

} // namespace kesto::app
