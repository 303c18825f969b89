// What the command runner alone decides: the rest of it is proven by the contract suite against
// the real calls, by the fault walk and by the decoder's fuzz target.
#include "command/dos_outputs.h"
#include "fakes/fake_os.h"
#include "fakes/fake_toolkit.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

TEST(CommandRunner, CommandLineTheCodePageCannotSpellIsNotRun) {
    fakes::FakeOs os(1252);
    fakes::FakeToolkit toolkit;
    int runs = 0;
    os.RegisterProgram("subst", [&runs](const std::vector<std::string>&) {
        ++runs;
        return std::optional<std::string>("");
    });
    command::DOSOutputs runner(os, toolkit);
    runner.SetCommandLine("subst X: D:\\照片");
    EXPECT_EQ(runner.ExecuteCommand(), "");
    EXPECT_FALSE(runner.Completed());
    EXPECT_EQ(runs, 0);
    ASSERT_EQ(toolkit.messageBoxes.size(), 1u);
    EXPECT_EQ(toolkit.messageBoxes[0].text, "File or command not found");
    EXPECT_EQ(os.OpenHandleCount(), 0u);
}

} // namespace
} // namespace kesto
