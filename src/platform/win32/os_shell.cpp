// Win32Os: the shell's folder browser and opening files.
#include "platform/win32/win32_os.h"

#include "platform/win32/conversions.h"
#include "platform/win32/wide_text.h"

namespace kesto::platform::win32 {

namespace {
PIDLIST_ABSOLUTE ToIdList(Handle idList) {
    return reinterpret_cast<PIDLIST_ABSOLUTE>(idList);
}
} // namespace

Handle Win32Os::BrowseForFolder(Handle owner, const std::string& title, std::uint32_t flags) {
    const std::wstring wideTitle = Widen(title);
    BROWSEINFOW info{};
    info.hwndOwner = ToHwnd(owner);
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = flags;
    return ToHandle(::SHBrowseForFolderW(&info));
}

bool Win32Os::GetPathFromIdList(Handle idList, std::size_t bufferSize, std::string& path) {
    std::wstring buffer(bufferSize, L' ');
    if (!::SHGetPathFromIDListW(ToIdList(idList), buffer.data())) {
        return false;
    }
    path = Narrow(UpToFirstZero(buffer));
    return true;
}

void Win32Os::FreeIdList(Handle idList) {
    ::CoTaskMemFree(ToIdList(idList));
}

std::intptr_t Win32Os::ShellExecuteW(const std::string& file, int showCommand) {
    return reinterpret_cast<std::intptr_t>(
        ::ShellExecuteW(nullptr, nullptr, Widen(file).c_str(), nullptr, nullptr, showCommand));
}

} // namespace kesto::platform::win32
