// What the program tells its user, as the user reads it: one copy of each text for every layer.
#pragma once

#include <string>

namespace kesto::messages {

inline const std::string kNoFreeLetter = "请选择你新建虚拟分区所使用的盘符!";
inline const std::string kWrongFolder = "你选择的目录不正确";
inline const std::string kNoDisk = "你尚未选择要从那一个磁盘分配空间！";
inline const std::string kDiskNotWritable =
    "无法在你所指定的盘上创建新的虚拟分区，请确认你对此盘有写权限！";
inline const std::string kMapped = "新的虚拟分区添加成功！";
inline const std::string kNotMapped = "虚拟分区未被成功建立!\r\n\r\n请确认你是否有足够的权限!";
inline const std::string kNothingSelected = "请首先选中“已有虚拟硬盘”列表中的硬盘后再点击移除!";
inline const std::string kConfirmRemoval =
    "你确实要删除选中的虚拟分区吗？\r\n注意：删除分区并不删除你"
    "的数据，这些数据仍然保存在盘符所指向的文件夹中！";
inline const std::string kCarriesAnother = "你在当前的虚拟分区上又建立了另一个虚拟分区，必须先移除"
                                           "另一个虚拟分区，方可移除本分区。";
inline const std::string kRemoved = "你所指定的虚拟分区已被顺利移除！";
inline const std::string kNotRemoved = "你所指定的虚拟分区未被移除，可能此分区正在使用中。\r\n\r\n"
                                       "你可以关闭正在打开的文件或重启计算机后再进行移除!";
inline const std::string kLogOnEntryNotSaved =
    "无法写入登录时的启动项，下次登录时本程序将不会自动"
    "运行，保存的虚拟分区要在你手动运行本程序后才会恢复。";
inline const std::string kAdding = "正在添加磁盘，请稍候……";
inline const std::string kRemoving = "正在删除虚拟分区，请稍候……";

inline std::string TableNotSaved(const std::string& file) {
    return "无法写入虚拟分区列表文件" + file +
           "，虚拟分区无法保存，下次登录时将不会恢复。\r\n\r\n请把本程序移到你有写权限的文件夹中再"
           "运行。";
}

inline std::string TableNotRead(const std::string& file) {
    return "无法读取虚拟分区列表文件" + file +
           "，保存的虚拟分区这次没有恢复，它们仍保留在这个文件中；在能够读取这个文件之前，"
           "新建或移除的虚拟分区不会保存。\r\n\r\n"
           "请在其他程序关闭这个文件后重新运行本程序。";
}

inline std::string NotRestored(const std::string& drive, const std::string& folder) {
    return "无法载入保存的虚拟分区" + drive + "，请确认你对" + folder + "有权限！";
}

} // namespace kesto::messages
