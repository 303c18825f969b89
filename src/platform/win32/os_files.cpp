// Win32Os: files, folders, drive types, short and long paths, and the profile (INI) calls.
#include "platform/win32/win32_os.h"

#include "platform/win32/conversions.h"
#include "platform/win32/wide_text.h"

namespace kesto::platform::win32 {

std::string Win32Os::GetPrivateProfileStringW(const std::string& section, const std::string& key,
                                              std::size_t bufferSize, const std::string& file) {
    std::wstring buffer(bufferSize + 1, L' ');
    const std::wstring wideSection = Widen(section);
    const std::wstring wideKey = Widen(key);
    const std::wstring wideFile = Widen(file);
    ::SetLastError(ERROR_SUCCESS);
    ::GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), nullptr, buffer.data(),
                               static_cast<DWORD>(bufferSize), wideFile.c_str());
    lastError_ = ::GetLastError();
    return Narrow(UpToFirstZero(buffer));
}

bool Win32Os::WritePrivateProfileStringW(const std::string& section, const std::string& key,
                                         const std::optional<std::string>& value,
                                         const std::string& file) {
    const std::wstring wideValue = value ? Widen(*value) : std::wstring();
    return ::WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(),
                                        value ? wideValue.c_str() : nullptr,
                                        Widen(file).c_str()) != FALSE;
}

std::uint32_t Win32Os::GetDriveTypeW(const std::string& root) {
    return ::GetDriveTypeW(Widen(root).c_str());
}

std::uint32_t Win32Os::GetShortPathNameW(const std::string& longPath, std::size_t bufferSize,
                                         std::string& shortPath) {
    std::wstring buffer(bufferSize + 1, L' ');
    const DWORD result =
        ::GetShortPathNameW(Widen(longPath).c_str(), buffer.data(), static_cast<DWORD>(bufferSize));
    shortPath = result == 0 || result >= bufferSize ? std::string() : Narrow(UpToFirstZero(buffer));
    return result;
}

std::string Win32Os::GetLongPathNameW(const std::string& path) {
    const std::wstring wide = Widen(path);
    std::wstring longPath(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetLongPathNameW(wide.c_str(), longPath.data(), static_cast<DWORD>(longPath.size()));
        if (length == 0) {
            return {};
        }
        if (length < longPath.size()) {
            longPath.resize(length);
            return Narrow(longPath);
        }
        longPath.resize(length);
    }
}

bool Win32Os::CreateDirectoryW(const std::string& path) {
    SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};
    return ::CreateDirectoryW(Widen(path).c_str(), &attributes) != FALSE;
}

std::optional<std::uint32_t> Win32Os::GetFileAttributesW(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    return attributes;
}

std::uint32_t Win32Os::TryOpenForReading(const std::string& path) {
    const HANDLE file = ::CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return ::GetLastError();
    }
    ::CloseHandle(file);
    return ERROR_SUCCESS;
}

} // namespace kesto::platform::win32
