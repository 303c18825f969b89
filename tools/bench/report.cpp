// The figures worked out of the samples, the table printed, and the method written under it.
#include "report.h"

#include "pe_imports.h"
#include "rounds.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace kesto::bench {

namespace {

constexpr double kMiB = 1024.0 * 1024.0;
constexpr double kRestoreGoal = 1.10;
constexpr double kStartUpGoal = 1.05;
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

// The median, and how far the rounds spread: the machine's own noise, for reading the median by.
std::string RatioOfRounds(const std::vector<double>& ratios) {
    const auto [low, high] = std::minmax_element(ratios.begin(), ratios.end());
    return Ratio(Median(ratios)) + Format(", %.2f", *low) + Format("-%.2f", *high);
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
    const std::vector<double> restoreRatios = Ratios(restores, samples.bareMaps);
    const double restoreRatio = Median(restoreRatios);
    const double protocolRatio = Median(Ratios(samples.protocolMaps, samples.pairedBareMaps));
    const std::vector<double> startUpRatios = Ratios(samples.pairedShown, samples.baselineShown);
    const double startUpRatio = Median(startUpRatios);
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
    const auto privateBytes = static_cast<double>(samples.peakPrivateBytes);
    const auto baselinePrivate = static_cast<double>(samples.baselinePrivateBytes);

    const std::vector<Row> rows = {
        {"start-up of a window of the same system parts",
         Ms(Median(samples.baselineShown)),
         "",
         {}},
        {"  kesto.exe's window shown, in turns with it", Ms(Median(samples.pairedShown)), "", {}},
        {"  kesto.exe / that window (median of pairs, range)", RatioOfRounds(startUpRatios),
         "< 1.05", startUpRatio < kStartUpGoal},
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
        {"restore / bare runs (median, rounds' range)", RatioOfRounds(restoreRatios), "< 1.10",
         restoreRatio < kRestoreGoal},
        {n + " runs behind a progress window (the protocol)",
         Ms(Median(samples.protocolMaps)),
         "",
         {}},
        {"  their bare runs, in turns with them", Ms(Median(samples.pairedBareMaps)), "", {}},
        {"protocol / bare runs", Ratio(protocolRatio), "", {}},
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
        {"peak private memory", MiB(privateBytes), "", {}},
        {"  of a window of the same system parts", MiB(baselinePrivate), "", {}},
    };
    Print(rows);
    if (peak >= kWorkingSetGoal && baseline >= kWorkingSetGoal) {
        std::printf("\nThe working set goal cannot be met under Wine: a window of the same system\n"
                    "parts and nothing of the program's already takes %s there.\n",
                    MiB(baseline).c_str());
    }
    if (restoreRatio >= kRestoreGoal) {
        std::printf("\nThe restore goal is missed. Of its %+.0f%%, %+.0f%% is the progress window\n"
                    "the program must show and hide around every run, as measured on the\n"
                    "bench's own window: what any program showing one pays under this Wine.\n",
                    (restoreRatio - 1) * 100, (protocolRatio - 1) * 100);
    }
    std::printf("\nRestore and bare runs by round, in ms:");
    for (std::size_t round = 0; round < restores.size(); ++round) {
        std::printf(" %.0f/%.0f", restores[round], samples.bareMaps[round]);
    }
    std::printf("\n");
    std::printf("\nImports: %s\n", dlls.c_str());
    std::printf(
        "\nMethod: medians of %d rounds after one warm-up start; a ratio is the median of the\n"
        "rounds' own ratios. Nothing in the program is instrumented. A start-up runs from just\n"
        "before CreateProcess to the moment the bench sees the window visible, then its drive\n"
        "lists holding all 26 letters and its partition list the expected count. The restore is\n"
        "the start-up with %s saved partitions less the start-up with an empty table. The bare\n"
        "runs start the same \"subst X: folder\" command lines as the program, and as its\n"
        "runner does (CreateProcessA with its creation flags, CREATE_NO_WINDOW among them, and\n"
        "its startup information, hidden, both output handles on one pipe, read in its chunk\n"
        "size to the end), just before and just after the program's start-up in the same round,\n"
        "the two averaged. The protocol runs are the same map commands run by the bench behind a\n"
        "topmost tool window of its own with one line of Chinese text (shown, pending events\n"
        "processed once, a main window disabled, the run, enabled again, hidden), in turns with\n"
        "bare runs letter by letter. Create and remove are done through the window (option,\n"
        "folder, letter, button, message boxes answered), timed from each click or answer to\n"
        "the next message box or to the lists updated: the user's reading of the boxes is left\n"
        "out. The start-ups of the program (empty table) and of a window of the same system\n"
        "parts take turns, %d pairs a round, their ratio the median of the pairs' own. That\n"
        "window is made from the program's layout table: a popup with a child window of the\n"
        "same class, text, font and place for every control that has one in the program\n"
        "(those screen readers read included), put on top of the others by the SetWindowPos\n"
        "the program must make before it shows, common controls 6, COM, and a tray icon\n"
        "added once it shows. The working set is the peak the system reports for the process;\n"
        "under Wine that is the Linux resident set, Wine's own libraries included, so that\n"
        "window is measured alike; the private memory is the share the system counts as the\n"
        "process's own, shared libraries left out. With no window manager on Xvfb, Wine waits\n"
        "2 s for every managed window it hides: for the bench's runs it manages no window of\n"
        "kesto.exe, of that window or of the bench (AppDefaults\\<program>\\X11 Driver,\n"
        "Managed=N, removed after); and an icon of the bench's own keeps\n"
        "Wine's notification area from ever being empty, so that its explorer never hides it,\n"
        "which stalls every window for 2 s.\n",
        rounds, n.c_str(), kStartUpPairs);
}

} // namespace kesto::bench
