// The warnings shown when the table file cannot be read or written, or the log-on entry cannot
// be written.
#include "app/main_form.h"

namespace kesto::app {

// Started from the log-on entry the program sees its folder in its short form, and a file that
// could not be made has no long form of its own.
std::string MainForm::ShownTableFile() {
    const std::string shown = os_.GetLongPathNameW(paths_.tableFilePath);
    if (!shown.empty()) {
        return shown;
    }
    const std::string folder = os_.GetLongPathNameW(paths_.appPath);
    return (folder.empty() ? paths_.appPath : folder) + paths_.exeTitle + ".ini";
}

void MainForm::WarnTableNotRead() {
    toolkit_.MsgBox(
        "无法读取虚拟分区列表文件" + ShownTableFile() +
            "，保存的虚拟分区这次没有恢复，它们仍保留在这个文件中；在能够读取这个文件之前，"
            "新建或移除的虚拟分区不会保存。\r\n\r\n"
            "请在其他程序关闭这个文件后重新运行本程序。",
        platform::kMbIconExclamation);
}

void MainForm::WarnTableNotSaved() {
    if (tableWarned_) {
        return;
    }
    tableWarned_ = true;
    toolkit_.MsgBox("无法写入虚拟分区列表文件" + ShownTableFile() +
                        "，虚拟分区无法保存，下次登录时将不会恢复。\r\n\r\n"
                        "请把本程序移到你有写权限的文件夹中再运行。",
                    platform::kMbIconExclamation);
}

void MainForm::WarnLogOnEntryNotSaved() {
    toolkit_.MsgBox("无法写入登录时的启动项，下次登录时本程序将不会自动运行，"
                    "保存的虚拟分区要在你手动运行本程序后才会恢复。",
                    platform::kMbIconExclamation);
}

} // namespace kesto::app
