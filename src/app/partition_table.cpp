#include "app/main_form.h"

#include "app/command_line.h"
#include "app/subst_line.h"
#include "app/table_file.h"

namespace kesto::app {

void MainForm::RefreshPartitions() {
    objDOS_ = std::make_unique<command::DOSOutputs>(os_, toolkit_);
    objDOS_->SetCommandLine(ListingCommandLine());
    const std::string listing = objDOS_->ExecuteCommand();
    const bool listed = objDOS_->Completed();

    // Without a listing the saved table is all we know of the partitions: keep it.
    if (listed) {
        for (std::size_t key = 0; key < kTableKeys; ++key) {
            os_.WritePrivateProfileString(kTableSection, std::to_string(key), std::nullopt,
                                          paths_.tableFilePath);
        }
    }
    platform::Control& listKesto = Control("listKesto");
    listKesto.Clear();
    const std::vector<std::string> lines = SplitListing(listing);
    for (std::size_t j = 0; j < lines.size(); ++j) {
        listKesto.AddItem(lines[j]);
        // Keys past the table's are not ours to overwrite, and a line break inside a value
        // would add lines of its own to the file.
        if (j < kTableKeys && lines[j].find_first_of("\r\n") == std::string::npos) {
            os_.WritePrivateProfileString(kTableSection, std::to_string(j), lines[j],
                                          paths_.tableFilePath);
        }
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
