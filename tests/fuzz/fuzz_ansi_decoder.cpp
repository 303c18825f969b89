// A child's output decoded in the pieces the pipe happens to deliver reads as the code page's own
// converter reads it whole, on a double-byte, a single-byte and the UTF-8 code page (characters
// of up to four bytes; Wine cannot be set to it, so only this proves it); no piece gives a
// character before its last byte has come, nor keeps back more than the one whose end is still
// to come; and the command runner returns that text.
#include "command/ansi_decoder.h"
#include "command/dos_outputs.h"
#include "fakes/code_page.h"
#include "fakes/fake_os.h"
#include "fakes/fake_toolkit.h"
#include "fuzz_check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <random>
#include <string>

using namespace kesto;

namespace {

// What the converter makes of bytes cut off anywhere: the text of every character the bytes
// hold whole, then at most one replacement for the start of the character the cut fell in.
bool HoldsAllButACutOffCharacter(const std::string& decoded, const std::string& received,
                                 const std::string& codePage) {
    const std::string whole = fakes::ConvertCodePage(received, codePage, "UTF-8");
    return whole == decoded || whole == decoded + "?";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fakes::FakeOs chinese(936), western(1252), utf8(65001);
    static fakes::FakeToolkit toolkit;
    static std::string childOutput;
    static const bool registered = [] {
        for (fakes::FakeOs* os : {&chinese, &western, &utf8}) {
            os->RegisterProgram("child",
                                [](const std::vector<std::string>&) { return childOutput; });
        }
        return true;
    }();
    (void)registered;

    FuzzedDataProvider input(data, size);
    fakes::FakeOs* const systems[] = {&chinese, &western, &utf8};
    fakes::FakeOs& os = *systems[input.ConsumeIntegralInRange<std::size_t>(0, 2)];
    const std::string codePage = fakes::CodePageName(static_cast<int>(os.AnsiCodePage()));
    std::minstd_rand cuts(input.ConsumeIntegral<std::uint32_t>());
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    const std::string expected = fakes::ConvertCodePage(bytes, codePage, "UTF-8");

    command::AnsiStreamDecoder decoder(os);
    std::string decoded;
    for (std::size_t at = 0; at < bytes.size();) {
        // Mostly a byte or three, now and then a long piece, and empty reads too.
        const std::size_t length = cuts() % 8 == 0 ? cuts() % 300 : cuts() % 4;
        decoded += decoder.Decode(bytes.substr(at, length), false);
        at += length;
        FUZZ_REQUIRE(expected.starts_with(decoded));
        FUZZ_REQUIRE(HoldsAllButACutOffCharacter(decoded, bytes.substr(0, at), codePage));
    }
    decoded += decoder.Decode({}, true);
    FUZZ_REQUIRE(decoded == expected);

    childOutput = bytes;
    command::DOSOutputs runner(os, toolkit);
    runner.SetCommandLine("child");
    FUZZ_REQUIRE(runner.ExecuteCommand() == expected);
    FUZZ_REQUIRE(runner.Completed());
    FUZZ_REQUIRE(os.OpenHandleCount() == 0);
    return 0;
}
