// Win32Os: conversions between UTF-8 and the ANSI and OEM code pages.
#include "platform/win32/win32_os.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_api.h"

namespace kesto::platform::win32 {

namespace {
std::string FromCodePage(UINT codePage, const std::string& bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int length = static_cast<int>(bytes.size());
    const int size = ::MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), length, wide.data(), size);
    return Narrow(wide);
}
} // namespace

std::optional<std::string> Win32Os::ToAnsi(const std::string& utf8) const {
    const std::wstring wide = Widen(utf8);
    if (wide.empty()) {
        return std::string();
    }
    // UTF-8 holds every character, and the call refuses both the flag and the out parameter
    // for it.
    const bool utf8Ansi = ::GetACP() == CP_UTF8;
    const DWORD flags = utf8Ansi ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const lossSeen = utf8Ansi ? nullptr : &usedDefault;
    const int length = static_cast<int>(wide.size());
    const int size =
        ::WideCharToMultiByte(CP_ACP, flags, wide.data(), length, nullptr, 0, nullptr, lossSeen);
    if (size == 0 || usedDefault) {
        return std::nullopt;
    }
    std::string ansi(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, flags, wide.data(), length, ansi.data(), size, nullptr, nullptr);
    return ansi;
}

std::string Win32Os::FromAnsi(const std::string& ansi) const {
    return FromCodePage(CP_ACP, ansi);
}

std::string Win32Os::FromOem(const std::string& oem) const {
    return FromCodePage(CP_OEMCP, oem);
}

bool Win32Os::IsDbcsLeadByte(unsigned char byte) const {
    return ::IsDBCSLeadByte(byte) != FALSE;
}

std::uint32_t Win32Os::AnsiCodePage() const {
    return ::GetACP();
}

std::wstring UpToFirstZero(const std::wstring& buffer) {
    return buffer.substr(0, buffer.find(L'\0'));
}

} // namespace kesto::platform::win32
