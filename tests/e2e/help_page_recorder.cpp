#include "help_page_recorder.h"

#include "uidriver/poll.h"

#include <fstream>
#include <sstream>

namespace kesto::e2e {

namespace {

using namespace std::chrono_literals;

// Wine's shell finds associations under the machine's classes only.
const HKEY kRoot = HKEY_LOCAL_MACHINE;
const std::wstring kClasses = L"Software\\Classes\\";
const std::wstring kClass = L"KestoTestPage";

} // namespace

HelpPageRecorder::HelpPageRecorder(const std::filesystem::path& folder)
    : record_(folder / L"opened.txt"), copy_(folder / L"opened.htm") {
    // The copy first: once the path is recorded, the copy is there too.
    const std::wstring command = L"cmd.exe /c copy /y \"%1\" \"" + copy_.wstring() +
                                 L"\" >nul & echo %1> \"" + record_.wstring() + L"\"";
    previous_ = Default(L".htm");
    SetDefault(L".htm", kClass);
    SetDefault(kClass + L"\\shell\\open\\command", command);
}

HelpPageRecorder::~HelpPageRecorder() {
    std::error_code ignored;
    std::filesystem::remove(copy_, ignored);
    RegDeleteTreeW(kRoot, (kClasses + kClass).c_str());
    if (previous_) {
        SetDefault(L".htm", *previous_);
    } else {
        RegDeleteKeyW(kRoot, (kClasses + L".htm").c_str());
    }
}

bool HelpPageRecorder::WaitForOpened() const {
    // Written once the copy is made.
    const bool opened = uidriver::WaitUntil(
        [&] {
            std::string line;
            std::ifstream file(record_);
            return std::getline(file, line) && !line.empty();
        },
        10s);
    std::error_code ignored;
    std::filesystem::remove(record_, ignored);
    return opened;
}

std::string HelpPageRecorder::OpenedContent() const {
    std::ifstream file(copy_, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::optional<std::wstring> HelpPageRecorder::Default(const std::wstring& key) {
    wchar_t value[256];
    DWORD size = sizeof value;
    if (RegGetValueW(kRoot, (kClasses + key).c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(value);
}

void HelpPageRecorder::SetDefault(const std::wstring& key, const std::wstring& value) {
    RegSetKeyValueW(kRoot, (kClasses + key).c_str(), nullptr, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

} // namespace kesto::e2e
