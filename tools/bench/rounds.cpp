// The four kinds of round: empty table, saved table, behind the progress window, start-ups in
// turns with a window of the same system parts.
#include "rounds.h"

#include "fast_poll.h"
#include "progress_protocol.h"
#include "running_kesto.h"
#include "subst_run.h"
#include "user_actions.h"

#include "uidriver/find.h"

#include <stdexcept>

namespace kesto::bench {

namespace {

constexpr double kTimeoutMs = 30000;
// Lets the window finish painting before its memory is read.
constexpr DWORD kSettleMs = 300;

// subst says nothing when it succeeds.
double Quiet(const std::string& commandLine, const std::string& output, double ms) {
    if (!output.empty()) {
        throw std::runtime_error(commandLine + " failed: " + output);
    }
    return ms;
}

double Bare(const std::string& commandLine, bool quiet) {
    const SubstRun run = RunSubst(commandLine);
    return quiet ? Quiet(commandLine, run.output, run.ms) : run.ms;
}

void NoteMemory(const RunningKesto& kesto, Samples& samples) {
    samples.peakWorkingSet = std::max(samples.peakWorkingSet, kesto.PeakWorkingSet());
    samples.peakPrivateBytes = std::max(samples.peakPrivateBytes, kesto.PeakPrivateBytes());
}

void EmptyTableRound(const BenchFolder& folder, Samples& samples) {
    folder.RemoveTable();
    const char letter = folder.Letters().front();
    {
        const RunningKesto kesto(folder, 0);
        samples.emptyShown.push_back(kesto.ShownMs());
        samples.emptyLoaded.push_back(kesto.LoadedMs());
        samples.uiCreate.push_back(CreateThroughUi(kesto, letter, folder.PartFolder(letter)));
        samples.uiRemove.push_back(RemoveThroughUi(kesto));
        Sleep(kSettleMs);
        NoteMemory(kesto, samples);
    }
    folder.RemoveMappings();
    samples.bareCreate.push_back(Bare(folder.MapCommand(letter), true) +
                                 Bare(folder.ListingCommand(), false));
    samples.bareRemove.push_back(Bare(folder.RemoveCommand(letter), true) +
                                 Bare(folder.ListingCommand(), false));
}

double BareMaps(const BenchFolder& folder) {
    double maps = 0;
    for (char letter : folder.Letters()) {
        maps += Bare(folder.MapCommand(letter), true);
    }
    folder.RemoveMappings();
    return maps;
}

// The bare runs before and after the program's, so that a machine slowing down or speeding up
// during the round weighs on both sides alike.
void SavedTableRound(const BenchFolder& folder, Samples& samples) {
    const double before = BareMaps(folder);
    folder.WriteFullTable();
    {
        const RunningKesto kesto(folder, folder.Letters().size());
        samples.savedShown.push_back(kesto.ShownMs());
        samples.savedLoaded.push_back(kesto.LoadedMs());
        Sleep(kSettleMs);
        NoteMemory(kesto, samples);
    }
    folder.RemoveMappings();
    samples.bareMaps.push_back((before + BareMaps(folder)) / 2);
}

// Letter by letter, a bare run and one behind the progress window, which goes first every other
// letter: each pair meets the machine within a second of each other.
void ProtocolRound(const BenchFolder& folder, Samples& samples) {
    const ProgressProtocol protocol;
    double bare = 0;
    double behind = 0;
    bool protocolFirst = false;
    for (char letter : folder.Letters()) {
        const std::string map = folder.MapCommand(letter);
        const auto runBehind = [&] {
            const SubstRun run = protocol.Run(map);
            behind += Quiet(map, run.output, run.ms);
            Bare(folder.RemoveCommand(letter), true);
        };
        if (protocolFirst) {
            runBehind();
        }
        bare += Bare(map, true);
        Bare(folder.RemoveCommand(letter), true);
        if (!protocolFirst) {
            runBehind();
        }
        protocolFirst = !protocolFirst;
    }
    samples.protocolMaps.push_back(behind);
    samples.pairedBareMaps.push_back(bare);
}

void BaselineStart(const std::filesystem::path& exe, Samples& samples) {
    const StartedProgram program(exe);
    const auto query = uidriver::WindowQuery("baseline-window").OfProcess(program.Id());
    const double shown = WaitFor([&] { return uidriver::FindFirstWindow(query).has_value(); },
                                 kTimeoutMs, "the baseline window");
    samples.baselineShown.push_back(shown - program.StartedAt());
    Sleep(kSettleMs);
    samples.baselineWorkingSet = std::max(samples.baselineWorkingSet, program.PeakWorkingSet());
    samples.baselinePrivateBytes =
        std::max(samples.baselinePrivateBytes, program.PeakPrivateBytes());
}

// The two start-ups of a pair follow each other within a second or two, the window of the same
// system parts first every other pair, so that both meet the machine in the same state.
void StartUpRound(const BenchFolder& folder, const std::filesystem::path& baseline,
                  Samples& samples) {
    for (int pair = 0; pair < kStartUpPairs; ++pair) {
        const bool baselineFirst = pair % 2 == 0;
        if (baselineFirst) {
            BaselineStart(baseline, samples);
        }
        folder.RemoveTable();
        samples.pairedShown.push_back(RunningKesto(folder, 0).ShownMs());
        if (!baselineFirst) {
            BaselineStart(baseline, samples);
        }
    }
}

} // namespace

Samples MeasureRounds(const BenchFolder& folder, int rounds,
                      const std::filesystem::path& baseline) {
    Samples samples;
    samples.partitions = folder.Letters().size();
    // The first start of anything pays for the disk cache and the Wine server's warm-up.
    folder.RemoveTable();
    { const RunningKesto warmUp(folder, 0); }
    Bare(folder.ListingCommand(), false);
    for (int round = 0; round < rounds; ++round) {
        EmptyTableRound(folder, samples);
        SavedTableRound(folder, samples);
        ProtocolRound(folder, samples);
        StartUpRound(folder, baseline, samples);
    }
    return samples;
}

} // namespace kesto::bench
