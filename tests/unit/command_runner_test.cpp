#include "command/dos_outputs.h"
#include "fakes/fake_os.h"
#include "fakes/fake_toolkit.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

using fakes::FakeOs;
using fakes::FakeToolkit;

class CommandRunnerTest : public ::testing::Test {
  protected:
    void Program(const std::string& name, std::optional<std::string> output) {
        os.RegisterProgram(name, [output](const std::string&) { return output; });
    }

    std::string Run(const std::string& commandLine) {
        command::DOSOutputs runner(os, toolkit);
        runner.OnReceiveOutputs([this](const std::string& chunk) { events.push_back(chunk); });
        return runner.ExecuteCommand(commandLine);
    }

    FakeOs os;
    FakeToolkit toolkit;
    std::vector<std::string> events;
};

// Hidden, at normal priority, without a console window, and with both of its outputs sent into
// the write end of the pipe the runner made.
TEST_F(CommandRunnerTest, ChildStartsHiddenWritingIntoThePipe) {
    Program("quiet", std::string());
    Run("quiet");
    EXPECT_EQ(os.creationFlags, 0x08000020u);
    EXPECT_EQ(os.startupInfo.flags, 0x101u);
    EXPECT_EQ(os.startupInfo.showWindow, 0u);
    EXPECT_NE(os.pipeEnds.write, 0u);
    EXPECT_EQ(os.startupInfo.stdOutput, os.pipeEnds.write);
    EXPECT_EQ(os.startupInfo.stdError, os.pipeEnds.write);
}

// A character split between reads of 256 bytes is passed on whole with the read it ends in. The
// end of the pipe passes on what was held back: the bytes of a character cut off there, decoded
// on their own as one replacement character, or nothing.
TEST_F(CommandRunnerTest, CharactersSplitBetweenReadsComeBackWhole) {
    const std::string x255(255, 'x'), x254(254, 'x'), y252(252, 'y'), x10(10, 'x');
    struct Case {
        int codePage;
        std::string output;
        std::vector<std::string> reads;
    };
    // 照 is D5 D5 in code page 936; the folder sign is four bytes in UTF-8, 数 three.
    const Case cases[] = {
        {936, x255 + "\xD5\xD5\xC6\xAC\r\n", {x255, "照片\r\n", ""}},
        {65001, x254 + "📁" + y252 + "数\r\n", {x254, "📁" + y252, "数\r\n", ""}},
        {65001, x10 + "\xE6\x95", {x10, "?"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reads.front().size());
        os.SetCodePage(c.codePage);
        Program("talk", c.output);
        events.clear();
        std::string whole;
        for (const std::string& read : c.reads) {
            whole += read;
        }
        EXPECT_EQ(Run("talk"), whole);
        EXPECT_EQ(events, c.reads);
    }
}

TEST_F(CommandRunnerTest, CommandLineTheCodePageCannotSpellIsNotRun) {
    os.SetCodePage(1252);
    int runs = 0;
    os.RegisterProgram("subst", [&runs](const std::string&) {
        ++runs;
        return std::optional<std::string>("");
    });
    EXPECT_EQ(Run("subst X: D:\\照片"), "");
    EXPECT_EQ(runs, 0);
    ASSERT_EQ(toolkit.messageBoxes.size(), 1u);
    EXPECT_EQ(toolkit.messageBoxes[0].text, "File or command not found");
    EXPECT_EQ(os.OpenHandleCount(), 0u);
}

// Only the end of the pipe ends the output: a read that fails otherwise loses what was to come.
TEST_F(CommandRunnerTest, ReadFailingInTheMiddleMakesTheRunIncomplete) {
    Program("talk", std::string(600, 'a'));
    command::DOSOutputs runner(os, toolkit);
    EXPECT_EQ(runner.ExecuteCommand("talk"), std::string(600, 'a'));
    EXPECT_TRUE(runner.Completed());

    os.FailOnce("ReadFile", 4 + 2);
    EXPECT_EQ(runner.ExecuteCommand("talk"), std::string(256, 'a'));
    EXPECT_FALSE(runner.Completed());
    EXPECT_TRUE(toolkit.messageBoxes.empty());
    EXPECT_EQ(os.OpenHandleCount(), 0u);
}

TEST_F(CommandRunnerTest, ArgumentReplacesStoredCommandLineAndEmptyOneRunsIt) {
    Program("first", std::string("1"));
    Program("second", std::string("2"));
    command::DOSOutputs runner(os, toolkit);
    runner.SetCommandLine("first");
    EXPECT_EQ(runner.ExecuteCommand(), "1");
    EXPECT_EQ(runner.ExecuteCommand("second"), "2");
    EXPECT_EQ(runner.CommandLine(), "second");
    EXPECT_EQ(runner.Outputs(), "2");
}

// A missing program and a failed pipe are walked through with the other faults; an empty command
// line is the runner's own.
TEST_F(CommandRunnerTest, EmptyCommandLineIsToldAndKeepsTheLastOutput) {
    Program("ok", std::string("kept"));
    command::DOSOutputs runner(os, toolkit);
    EXPECT_EQ(runner.ExecuteCommand("ok"), "kept");
    command::DOSOutputs empty(os, toolkit);
    EXPECT_EQ(empty.ExecuteCommand(), "");
    os.failing.insert("CreatePipe");
    EXPECT_EQ(runner.ExecuteCommand(), "");
    ASSERT_EQ(toolkit.messageBoxes.size(), 2u);
    EXPECT_EQ(toolkit.messageBoxes[0].text, "Command Line empty");
    EXPECT_EQ(toolkit.messageBoxes[0].style, 16);
    EXPECT_EQ(runner.Outputs(), "kept");
    EXPECT_EQ(os.OpenHandleCount(), 0u);
}

} // namespace
} // namespace kesto
