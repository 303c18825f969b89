// The help page and the partition list's tool tip.
#include "ui/title_bar.h"

namespace kesto::ui {

// A file URL reads "#" as the start of a fragment and "%" as the start of an escape, so from a
// folder whose name holds either it would name another file; the path itself names the page.
std::string HelpPageAddress(const std::string& appPath) {
    const std::string page = appPath + "help.htm";
    return appPath.find_first_of("#%") == std::string::npos ? "file:///" + page : page;
}

void OpenHelp(platform::Os& os, const std::string& appPath) {
    os.ShellExecuteW(HelpPageAddress(appPath), platform::kSwShowNormal);
}

std::int32_t PackPoint(int x, int y) {
    return static_cast<std::int32_t>(static_cast<std::int64_t>(y) * 65536 + x);
}

void ShowEntryUnderPointer(platform::Toolkit& toolkit, platform::ListBox& list, int buttons, int x,
                           int y) {
    if (buttons != 0) {
        return;
    }
    // Taken whole: an answer with its high word set (outside the items) is never below the count.
    const auto entry = static_cast<std::int32_t>(
        toolkit.SendMessageA(list.WindowHandle(), platform::kLbItemFromPoint, 0, PackPoint(x, y)));
    const int count = list.ListCount();
    list.SetToolTipText(entry >= count || entry < 0 ? std::string() : list.List(entry));
}

} // namespace kesto::ui
