#include "platform/win32/wide_text.h"
#include "platform/win32/win32_os.h"

namespace kesto::platform::win32 {

std::string Win32Os::ToAnsi(const std::string& utf8) const {
    const std::wstring wide = Widen(utf8);
    if (wide.empty()) {
        return {};
    }
    const int size = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), size,
                          nullptr, nullptr);
    return ansi;
}

std::string Win32Os::FromAnsi(const std::string& ansi) const {
    if (ansi.empty()) {
        return {};
    }
    const int size =
        ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), size);
    return Narrow(wide);
}

bool Win32Os::IsDbcsLeadByte(unsigned char byte) const {
    return ::IsDBCSLeadByte(byte) != FALSE;
}

std::string UpToFirstZero(const std::string& buffer) {
    return buffer.substr(0, buffer.find('\0'));
}

} // namespace kesto::platform::win32
