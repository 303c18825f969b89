#include "command/dos_outputs.h"
#include "contract/child_output.h"
#include "contract/contract_env.h"

#include <gtest/gtest.h>

#include <set>

namespace kesto::contract {
namespace {

platform::Os& os() {
    return SystemUnderTest();
}

TEST(IniContract, ProfileStringsReadWriteAndDelete) {
    const std::string file = ScratchFolder() + "\\table.ini";
    EXPECT_EQ(os().GetPrivateProfileString("KESTO", "0", 254, file), "");
    ASSERT_TRUE(os().WritePrivateProfileString("KESTO", "0", "E:\\: => C:\\Data", file));
    ASSERT_TRUE(os().WritePrivateProfileString("KESTO", "1", "F:\\: => D:\\照片", file));
    ASSERT_TRUE(os().WritePrivateProfileString("Other", "0", "keep", file));
    EXPECT_EQ(os().GetPrivateProfileString("KESTO", "0", 254, file), "E:\\: => C:\\Data");
    EXPECT_EQ(os().GetPrivateProfileString("kesto", "1", 254, file), "F:\\: => D:\\照片");
    EXPECT_EQ(os().GetPrivateProfileString("KESTO", "2", 254, file), "");

    os().WritePrivateProfileString("KESTO", "0", std::nullopt, file);
    EXPECT_EQ(os().GetPrivateProfileString("KESTO", "0", 254, file), "");
    EXPECT_EQ(os().GetPrivateProfileString("KESTO", "1", 254, file), "F:\\: => D:\\照片");
    EXPECT_EQ(os().GetPrivateProfileString("Other", "0", 254, file), "keep");
}

TEST(IniContract, ALongValueIsCutToTheBufferLessItsTerminator) {
    const std::string file = ScratchFolder() + "\\long.ini";
    const std::string value = std::string(300, 'v');
    ASSERT_TRUE(os().WritePrivateProfileString("KESTO", "0", value, file));
    EXPECT_EQ(os().GetPrivateProfileString("KESTO", "0", 254, file), value.substr(0, 253));
    EXPECT_EQ(os().GetPrivateProfileString("KESTO", "0", 1000, file), value);
}

TEST(IniContract, WritingIntoAMissingFolderFails) {
    EXPECT_FALSE(os().WritePrivateProfileString("KESTO", "0", "x",
                                                ScratchFolder() + "\\missing\\table.ini"));
}

// Runs a child the way the command runner does, with its creation flags, and returns what it
// printed, read by reads of at most 256 bytes, counting every handle that is still open
// afterwards.
struct ChildRun {
    bool started = false;
    std::string output;
    std::size_t largestRead = 0;
    int handlesLeftOpen = 0;
};

ChildRun RunChild(const std::string& commandLine) {
    ChildRun run;
    platform::PipeEnds pipe;
    if (!os().CreatePipe(pipe)) {
        return run;
    }
    std::set<platform::Handle> open = {pipe.read, pipe.write};
    platform::StartupInfo startup;
    startup.flags = platform::kStartfUseShowWindow | platform::kStartfUseStdHandles;
    startup.showWindow = platform::kSwHide;
    startup.stdOutput = pipe.write;
    startup.stdError = pipe.write;
    platform::ProcessHandles child;
    run.started = os().CreateProcess(os().ToAnsi(commandLine), command::DOSOutputs::kCreationFlags,
                                     startup, child);
    if (run.started) {
        open.insert({child.process, child.thread});
    }
    const auto close = [&](platform::Handle handle) {
        if (os().CloseHandle(handle)) {
            open.erase(handle);
        }
    };
    close(pipe.write);
    if (run.started) {
        std::string bytes;
        while (os().ReadFile(pipe.read, 256, bytes)) {
            run.largestRead = std::max(run.largestRead, bytes.size());
            run.output += bytes;
        }
        close(child.process);
        close(child.thread);
    }
    close(pipe.read);
    run.handlesLeftOpen = static_cast<int>(open.size());
    return run;
}

TEST(ProcessContract, ChildOutputAndErrorArriveThroughOnePipe) {
    const ChildRun run = RunChild(ChildCommandLine(600, "complaint"));
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.output, ChildOutput(600) + "complaint");
    EXPECT_EQ(run.largestRead, 256u);
    EXPECT_EQ(run.handlesLeftOpen, 0);
}

// Where the default terminal would show a console program started hidden, there is no window.
TEST(ProcessContract, ChildGetsAConsoleWithoutAWindow) {
    const ChildRun run = RunChild(ConsoleChildCommandLine());
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.output, kWindowlessConsole);
}

TEST(ProcessContract, SilentChildGivesNothing) {
    const ChildRun run = RunChild(ChildCommandLine(0, "\"\""));
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.handlesLeftOpen, 0);
}

TEST(ProcessContract, MissingProgramDoesNotStartAndLeavesNoHandle) {
    const ChildRun run = RunChild("kesto-no-such-program-here /x");
    EXPECT_FALSE(run.started);
    EXPECT_EQ(run.handlesLeftOpen, 0);
}

TEST(FileContract, FoldersAttributesAndShortNames) {
    const std::string scratch = ScratchFolder();
    const std::string folder = scratch + "\\新 folder";
    EXPECT_TRUE(os().CreateDirectory(folder));
    EXPECT_FALSE(os().CreateDirectory(folder));
    EXPECT_FALSE(os().CreateDirectory(scratch + "\\no\\parent"));
    EXPECT_FALSE(os().CreateDirectory(scratch.substr(0, 3)));
    ASSERT_TRUE(os().GetFileAttributes(folder).has_value());
    EXPECT_NE(*os().GetFileAttributes(folder) & platform::kFileAttributeDirectory, 0u);
    EXPECT_FALSE(os().GetFileAttributes(scratch + "\\missing").has_value());
    EXPECT_FALSE(os().GetFileAttributes("").has_value());
    const std::string file = scratch + "\\file.ini";
    ASSERT_TRUE(os().WritePrivateProfileString("s", "k", "v", file));
    EXPECT_EQ(*os().GetFileAttributes(file) & platform::kFileAttributeDirectory, 0u);

    std::string shortPath;
    const std::uint32_t length = os().GetShortPathName(folder, 249, shortPath);
    EXPECT_GT(length, 0u);
    ASSERT_FALSE(shortPath.empty());
    EXPECT_NE(*os().GetFileAttributes(shortPath) & platform::kFileAttributeDirectory, 0u);
    EXPECT_EQ(os().GetShortPathName(scratch + "\\missing", 249, shortPath), 0u);
    // Too small a buffer: the size needed, terminator included, and nothing written.
    const std::uint32_t needed = os().GetShortPathName(folder, 4, shortPath);
    EXPECT_GT(needed, 4u);
    EXPECT_EQ(shortPath, "");
}

TEST(DriveContract, SystemDriveIsFixedAndSomeLetterIsFree) {
    EXPECT_EQ(os().GetDriveType("c:"), platform::kDriveFixed);
    int free = 0;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        free += os().GetDriveType(std::string{letter, ':'}) == platform::kDriveNoRootDir ? 1 : 0;
    }
    EXPECT_GT(free, 0);
}

TEST(RegistryContract, RunKeyValueIsWritten) {
    platform::Handle key = 0;
    ASSERT_EQ(os().RegCreateKey(platform::Os::kHkeyCurrentUser, "SOFTWARE\\KestoContract", key), 0);
    const std::string data = os().ToAnsi("C:\\工具\\kesto.exe /auto");
    EXPECT_EQ(os().RegSetValueEx(key, "KESTO", platform::kRegSz, data,
                                 static_cast<std::uint32_t>(data.size() + 1)),
              0);
    EXPECT_EQ(os().RegCloseKey(key), 0);
}

TEST(CodePageContract, ChineseUsesCodePage936) {
    EXPECT_EQ(os().ToAnsi("照片"), "\xD5\xD5\xC6\xAC");
    EXPECT_EQ(os().FromAnsi("\xD5\xD5\xC6\xAC"), "照片");
    EXPECT_TRUE(os().IsDbcsLeadByte(0xD5));
    EXPECT_FALSE(os().IsDbcsLeadByte('A'));
}

} // namespace
} // namespace kesto::contract
