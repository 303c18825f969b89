// kesto-bench.exe: the program's performance figures under Wine, for `make bench`. A window
// program without a console, like kesto.exe, that starts its subst runs as kesto.exe does; Wine
// still hands it the terminal for its report.
//   kesto-bench RUN_FOLDER SCRATCH_FOLDER [ROUNDS]
// RUN_FOLDER holds kesto.exe and subst.exe; SCRATCH_FOLDER is made and removed again.
// Exit status 0 once the figures are printed, met or not; 1 on failure, 2 on wrong use.
#include "bench_folder.h"
#include "report.h"
#include "rounds.h"
#include "run_value.h"

#include "uidriver/bare_desktop.h"

#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

using namespace kesto::bench;

namespace {

constexpr int kDefaultRounds = 7;

// Letters no drive uses yet: the bench maps every one of them.
std::vector<char> FreeLetters() {
    const DWORD used = GetLogicalDrives();
    std::vector<char> letters;
    for (int bit = 0; bit < 26; ++bit) {
        if ((used & (1u << bit)) == 0) {
            letters.push_back(static_cast<char>('A' + bit));
        }
    }
    return letters;
}

std::filesystem::path OwnFolder() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return std::filesystem::path(path).parent_path();
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3 || argc > 4) {
        std::fputs("usage: kesto-bench RUN_FOLDER SCRATCH_FOLDER [ROUNDS]\n", stderr);
        return 2;
    }
    try {
        const int rounds = argc == 4 ? std::stoi(argv[3]) : kDefaultRounds;
        const std::vector<char> letters = FreeLetters();
        if (letters.empty()) {
            throw std::runtime_error("no drive letter is free");
        }
        const RunValueKeeper runValue;
        const kesto::uidriver::UnmanagedWindows unmanaged(L"kesto.exe");
        const kesto::uidriver::UnmanagedWindows ownUnmanaged(L"kesto-bench.exe");
        const kesto::uidriver::UnmanagedWindows baselineUnmanaged(L"baseline-window.exe");
        const kesto::uidriver::TrayOccupant trayOccupant;
        const BenchFolder folder(argv[1], argv[2], letters);
        const Samples samples = MeasureRounds(folder, rounds, OwnFolder() / L"baseline-window.exe");
        PrintReport(samples, folder.Program(), rounds);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kesto-bench: %s\n", error.what());
        return 1;
    }
}
