// The scratch folder laid out and cleared, and the subst command lines the program would run.
#include "bench_folder.h"

#include "subst_run.h"

#include "uidriver/text.h"

#include <windows.h>

#include <fstream>

namespace kesto::bench {

namespace fs = std::filesystem;

namespace {

// The form the program maps a folder by, and that the listing then shows.
std::string ShortForm(const fs::path& path) {
    const std::wstring wide = path.wstring();
    std::wstring shortPath(MAX_PATH, L'\0');
    const DWORD length = GetShortPathNameW(wide.c_str(), shortPath.data(), MAX_PATH);
    shortPath.resize(length > 0 && length < MAX_PATH ? length : 0);
    return uidriver::Narrow(shortPath.empty() ? wide : shortPath);
}

bool Mapped(char letter) {
    const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
    return GetDriveTypeW(root) != DRIVE_NO_ROOT_DIR;
}

} // namespace

BenchFolder::BenchFolder(const fs::path& runFolder, fs::path scratch, std::vector<char> letters)
    : scratch_(std::move(scratch)), program_(scratch_ / L"program"), letters_(std::move(letters)) {
    fs::remove_all(scratch_);
    fs::create_directories(program_);
    for (const wchar_t* file : {L"kesto.exe", L"subst.exe"}) {
        fs::copy_file(runFolder / file, program_ / file);
    }
    for (char letter : letters_) {
        fs::create_directories(PartPath(letter));
    }
}

BenchFolder::~BenchFolder() {
    RemoveMappings();
    std::error_code ignored;
    fs::remove_all(scratch_, ignored);
}

std::string BenchFolder::SubstPath() const {
    return uidriver::QuotedPath(program_ / L"subst.exe");
}

std::string BenchFolder::MapCommand(char letter) const {
    return SubstPath() + " " + letter + ": " + ShortForm(PartPath(letter));
}

std::string BenchFolder::RemoveCommand(char letter) const {
    return SubstPath() + " " + letter + ": /d";
}

std::string BenchFolder::ListingCommand() const {
    return SubstPath();
}

fs::path BenchFolder::PartPath(char letter) const {
    return scratch_ / L"parts" / std::wstring(1, letter);
}

std::string BenchFolder::PartFolder(char letter) const {
    return uidriver::Utf8Path(PartPath(letter));
}

void BenchFolder::WriteFullTable() const {
    std::ofstream table(program_ / L"kesto.ini", std::ios::binary | std::ios::trunc);
    table << "[KESTO]\r\n";
    for (std::size_t key = 0; key < letters_.size(); ++key) {
        table << key << '=' << letters_[key] << ":\\: => " << ShortForm(PartPath(letters_[key]))
              << "\r\n";
    }
}

void BenchFolder::RemoveTable() const {
    std::error_code ignored;
    fs::remove(program_ / L"kesto.ini", ignored);
}

void BenchFolder::RemoveMappings() const {
    for (char letter : letters_) {
        if (Mapped(letter)) {
            RunSubst(RemoveCommand(letter));
        }
    }
}

} // namespace kesto::bench
