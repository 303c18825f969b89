#include "report.h"

#include "pe_imports.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace kesto::bench {

namespace {

constexpr double kMiB = 1024.0 * 1024.0;
constexpr double kRestoreGoal = 1.10;
constexpr double kSizeGoal = 1 * kMiB;
constexpr double kWorkingSetGoal = 8 * kMiB;

struct Row {
    std::string figure;
    std::string measured;
    std::string goal;
    std::optional<bool> met; // none: a figure without a goal of its own
};

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Ms(double ms) {
    return Format("%.0f ms", ms);
}

std::string Ratio(double ratio) {
    return Format("%.2f", ratio) + Format(" (%+.0f%%)", (ratio - 1) * 100);
}

std::string MiB(double bytes) {
    return Format("%.1f MiB", bytes / kMiB);
}

void Print(const std::vector<Row>& rows) {
    std::printf("%-52s %-22s %-12s %s\n", "figure", "measured", "goal", "met");
    std::printf("%s\n", std::string(94, '-').c_str());
    for (const Row& row : rows) {
        const char* met = !row.met ? "" : *row.met ? "yes" : "NO";
        std::printf("%-52s %-22s %-12s %s\n", row.figure.c_str(), row.measured.c_str(),
                    row.goal.c_str(), met);
    }
}

} // namespace

void PrintReport(const Samples& samples, const std::filesystem::path& program, int rounds) {
    const std::string n = std::to_string(samples.partitions);
    const std::vector<double> restores = Differences(samples.savedLoaded, samples.emptyLoaded);
    const double restoreRatio = Median(Ratios(restores, samples.bareMaps));
    const auto size = static_cast<double>(std::filesystem::file_size(program));
    const std::vector<std::string> imports = ImportedDlls(program);
    std::string dlls;
    bool systemOnly = true;
    for (const std::string& dll : imports) {
        dlls += (dlls.empty() ? "" : " ") + dll;
        systemOnly = systemOnly && IsSystemDll(dll);
    }
    const auto peak = static_cast<double>(samples.peakWorkingSet);
    const auto baseline = static_cast<double>(samples.baselineWorkingSet);

    const std::vector<Row> rows = {
        {"start-up of a window of the same system parts",
         Ms(Median(samples.baselineShown)),
         "",
         {}},
        {"start-up, empty table: window shown", Ms(Median(samples.emptyShown)), "", {}},
        {"start-up, empty table: lists filled", Ms(Median(samples.emptyLoaded)), "", {}},
        {"start-up, " + n + " saved partitions: window shown",
         Ms(Median(samples.savedShown)),
         "",
         {}},
        {"start-up, " + n + " saved partitions: lists filled",
         Ms(Median(samples.savedLoaded)),
         "",
         {}},
        {"restore of " + n + " partitions (difference of the two)", Ms(Median(restores)), "", {}},
        {n + " bare runs of the same subst commands", Ms(Median(samples.bareMaps)), "", {}},
        {"restore / bare runs", Ratio(restoreRatio), "< 1.10", restoreRatio < kRestoreGoal},
        {"create through the window", Ms(Median(samples.uiCreate)), "", {}},
        {"its bare runs: map + listing", Ms(Median(samples.bareCreate)), "", {}},
        {"create / bare runs", Ratio(Median(Ratios(samples.uiCreate, samples.bareCreate))), "", {}},
        {"remove through the window", Ms(Median(samples.uiRemove)), "", {}},
        {"its bare runs: remove + listing", Ms(Median(samples.bareRemove)), "", {}},
        {"remove / bare runs", Ratio(Median(Ratios(samples.uiRemove, samples.bareRemove))), "", {}},
        {"kesto.exe size", Format("%.0f KiB", size / 1024), "< 1 MiB", size < kSizeGoal},
        {"DLLs it imports (" + std::string(systemOnly ? "all" : "NOT all") + " the system's)",
         std::to_string(imports.size()), "system only", systemOnly},
        {"peak working set, window open", MiB(peak), "< 8 MiB", peak < kWorkingSetGoal},
        {"  of which the same system parts under Wine", MiB(baseline), "", {}},
        {"  of which kesto's own (the difference)", MiB(peak - baseline), "", {}},
    };
    Print(rows);
    std::printf("\nImports: %s\n", dlls.c_str());
    std::printf(
        "\nMethod: medians of %d rounds after one warm-up start; a ratio is the median of the\n"
        "rounds' own ratios. Nothing in the program is instrumented. A start-up runs from just\n"
        "before CreateProcess to the moment the bench sees the window visible, then its drive\n"
        "lists holding all 26 letters and its partition list the expected count. The restore\n"
        "is the start-up with %s saved partitions less the start-up with an empty table. The\n"
        "bare runs start the same \"subst X: folder\" command lines as the program, with\n"
        "CreateProcessA, hidden, a pipe read to its end, in the same round; the bench is a\n"
        "window program without a console like kesto.exe, so that every subst run, bare or\n"
        "not, gets a console of its own. Create and remove are done through the window\n"
        "(option, folder, letter, button, message boxes answered), timed from each click or\n"
        "answer to the next message box or to the lists updated: the user's reading of the\n"
        "boxes is left out. The working set is the peak the system reports for the process;\n"
        "under Wine that is the Linux resident set, Wine's own libraries included, so a window\n"
        "made of the same system parts (common controls 6, COM, a tray icon, Chinese text) is\n"
        "measured alike. With no window manager on Xvfb, Wine waits 2 s for every managed\n"
        "window it hides: for the bench's runs it manages no window of kesto.exe\n"
        "(AppDefaults\\kesto.exe\\X11 Driver, Managed=N, removed after), and after each\n"
        "program ends the bench waits for Wine's explorer to finish hiding its tray.\n",
        rounds, n.c_str());
}

} // namespace kesto::bench
