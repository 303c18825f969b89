// A child's output decoded in the pieces the pipe happens to deliver reads as the output decoded
// whole, on both code pages, double-byte characters split anywhere; and the command runner
// returns that text.
#include "command/ansi_decoder.h"
#include "command/dos_outputs.h"
#include "fakes/fake_os.h"
#include "fakes/fake_toolkit.h"
#include "fuzz_check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <random>
#include <string>

using namespace kesto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fakes::FakeOs chinese(936), western(1252);
    static fakes::FakeToolkit toolkit;
    static std::string childOutput;
    static const bool registered = [] {
        for (fakes::FakeOs* os : {&chinese, &western}) {
            os->RegisterProgram("child", [](const std::string&) { return childOutput; });
        }
        return true;
    }();
    (void)registered;

    FuzzedDataProvider input(data, size);
    fakes::FakeOs& os = input.ConsumeBool() ? western : chinese;
    std::minstd_rand cuts(input.ConsumeIntegral<std::uint32_t>());
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    const std::string whole = command::AnsiStreamDecoder(os).Decode(bytes, true);
    FUZZ_REQUIRE(whole == (bytes.empty() ? std::string() : os.FromAnsi(bytes)));

    command::AnsiStreamDecoder decoder(os);
    std::string pieces;
    for (std::size_t at = 0; at < bytes.size();) {
        // Mostly a byte or three, now and then a long piece, and empty reads too.
        const std::size_t length = cuts() % 8 == 0 ? cuts() % 300 : cuts() % 4;
        pieces += decoder.Decode(bytes.substr(at, length), false);
        at += length;
    }
    pieces += decoder.Decode({}, true);
    FUZZ_REQUIRE(pieces == whole);

    childOutput = bytes;
    command::DOSOutputs runner(os, toolkit);
    FUZZ_REQUIRE(runner.ExecuteCommand("child") == whole);
    FUZZ_REQUIRE(runner.Completed());
    FUZZ_REQUIRE(os.OpenHandleCount() == 0);
    return 0;
}
