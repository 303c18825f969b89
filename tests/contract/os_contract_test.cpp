#include "command/dos_outputs.h"
#include "contract/child_output.h"
#include "contract/contract_env.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <vector>

namespace kesto::contract {
namespace {

platform::Os& os() {
    return SystemUnderTest();
}

// Text that the code page of this run can spell.
std::string SpelledHere();

TEST(IniContract, ProfileStringsReadWriteAndDelete) {
    const std::string file = ScratchFolder() + "\\table.ini";
    const std::string local = "F:\\: => D:\\" + SpelledHere();
    EXPECT_EQ(os().GetPrivateProfileString("KESTO", "0", 254, file), "");
    ASSERT_TRUE(os().WritePrivateProfileString("KESTO", "0", "E:\\: => C:\\Data", file));
    ASSERT_TRUE(os().WritePrivateProfileString("KESTO", "1", local, file));
    ASSERT_TRUE(os().WritePrivateProfileString("Other", "0", "keep", file));
    EXPECT_EQ(os().GetPrivateProfileString("KESTO", "0", 254, file), "E:\\: => C:\\Data");
    EXPECT_EQ(os().GetPrivateProfileString("kesto", "1", 254, file), local);
    EXPECT_EQ(os().GetPrivateProfileString("KESTO", "2", 254, file), "");

    os().WritePrivateProfileString("KESTO", "0", std::nullopt, file);
    EXPECT_EQ(os().GetPrivateProfileString("KESTO", "0", 254, file), "");
    EXPECT_EQ(os().GetPrivateProfileString("KESTO", "1", 254, file), local);
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

TEST(IniContract, FileHeldWithoutSharingCanNeitherBeWrittenNorRead) {
    const std::string file = ScratchFolder() + "\\held.ini";
    ASSERT_TRUE(os().WritePrivateProfileString("KESTO", "0", "E:\\: => C:\\Data", file));
    {
        const std::shared_ptr<void> held = HoldWithoutSharing(file);
        ASSERT_NE(held, nullptr);
        EXPECT_FALSE(os().WritePrivateProfileString("KESTO", "1", "F:\\: => C:\\x", file));
        EXPECT_FALSE(os().WritePrivateProfileString("KESTO", "0", std::nullopt, file));
        EXPECT_EQ(os().GetPrivateProfileString("KESTO", "0", 254, file), "");
    }
    EXPECT_TRUE(os().WritePrivateProfileString("KESTO", "1", "F:\\: => C:\\x", file));
    EXPECT_EQ(os().GetPrivateProfileString("KESTO", "0", 254, file), "E:\\: => C:\\Data");
}

// Runs a child the way the command runner does, with its creation flags, and returns what it
// printed, read by reads of at most 256 bytes, counting every handle that is still open
// afterwards.
struct ChildRun {
    bool started = false;
    std::string output;
    std::size_t largestRead = 0;
    std::uint32_t endError = 0; // of the read that ended the output
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
    const std::optional<std::string> ansiCommandLine = os().ToAnsi(commandLine);
    if (!ansiCommandLine) {
        ADD_FAILURE() << "the code page cannot spell " << commandLine;
        return run;
    }
    run.started =
        os().CreateProcess(*ansiCommandLine, command::DOSOutputs::kCreationFlags, startup, child);
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
        run.endError = os().LastError();
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
    EXPECT_EQ(run.endError, platform::kErrorBrokenPipe);
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
    EXPECT_EQ(run.endError, platform::kErrorBrokenPipe);
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
    EXPECT_EQ(os().GetLongPathName(shortPath), folder);
    EXPECT_EQ(os().GetLongPathName(shortPath + "\\"), folder + "\\");
    EXPECT_EQ(os().GetLongPathName(scratch + "\\missing"), "");
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

// Text and its bytes in each code page the runs are set up for; nothing where the code page has
// no exact place for some character (best fit would give "Lodz" or "Lódz" for "Łódź").
struct Spelling {
    std::string text;
    std::map<std::uint32_t, std::optional<std::string>> ansi;
};

const std::vector<Spelling>& Spellings() {
    static const std::vector<Spelling> spellings = {
        {"照片", {{936, "\xD5\xD5\xC6\xAC"}, {1252, std::nullopt}, {1251, std::nullopt}}},
        {"Łódź", {{936, std::nullopt}, {1252, std::nullopt}, {1251, std::nullopt}}},
        {"Kraków", {{936, "Krak\xA8\xAEw"}, {1252, "Krak\xF3w"}, {1251, std::nullopt}}},
        {"Данные",
         {{936, "\xA7\xA5\xA7\xD1\xA7\xDF\xA7\xDF\xA7\xED\xA7\xD6"},
          {1252, std::nullopt},
          {1251, "\xC4\xE0\xED\xED\xFB\xE5"}}},
    };
    return spellings;
}

std::string SpelledHere() {
    for (const Spelling& spelling : Spellings()) {
        if (spelling.ansi.at(os().AnsiCodePage())) {
            return spelling.text;
        }
    }
    return "Data";
}

TEST(CodePageContract, TheRunHasTheCodePageItWasSetUpFor) {
    EXPECT_EQ(os().AnsiCodePage(), ExpectedAnsiCodePage());
}

// A listing read as ANSI is turned back into its bytes to be read as OEM: every byte must come
// back as it was.
TEST(CodePageContract, EveryHighByteOfASingleByteCodePageComesBackFromUnicode) {
    if (os().AnsiCodePage() == 936 || os().AnsiCodePage() == 65001) {
        GTEST_SKIP() << "not a single-byte code page";
    }
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const std::string ansi(1, static_cast<char>(byte));
        EXPECT_EQ(os().ToAnsi(os().FromAnsi(ansi)), ansi) << "byte " << byte;
    }
}

TEST(CodePageContract, ConversionsToAnsiAreExactOrRefused) {
    for (const Spelling& spelling : Spellings()) {
        SCOPED_TRACE(spelling.text);
        const std::optional<std::string> expected = spelling.ansi.at(os().AnsiCodePage());
        EXPECT_EQ(os().ToAnsi("C:\\" + spelling.text),
                  expected ? std::optional("C:\\" + *expected) : std::nullopt);
        if (expected) {
            EXPECT_EQ(os().FromAnsi(*expected), spelling.text);
        }
    }
    EXPECT_EQ(os().ToAnsi(""), "");
    EXPECT_EQ(os().ToAnsi("subst X: C:\\Data?"), "subst X: C:\\Data?");
}

TEST(CodePageContract, OemBytesAreReadInTheOemCodePage) {
    // The OEM code page of each: 936, 437, 866.
    const std::map<std::uint32_t, std::pair<std::string, std::string>> oem = {
        {936, {"\xD5\xD5\xC6\xAC", "照片"}},
        {1252, {"Caf\x82", "Café"}},
        {1251, {"\x84\xA0\xAD\xAD\xEB\xA5", "Данные"}}};
    const auto& [bytes, text] = oem.at(os().AnsiCodePage());
    EXPECT_EQ(os().FromOem(bytes), text);
}

TEST(CodePageContract, OnlyDoubleByteCodePagesHaveLeadBytes) {
    EXPECT_EQ(os().IsDbcsLeadByte(0xD5), os().AnsiCodePage() == 936);
    EXPECT_FALSE(os().IsDbcsLeadByte('A'));
}

TEST(IniContract, UnicodeProfileCallsKeepTheFileInTheAnsiCodePage) {
    // The file lies in a folder whose name no code page of these runs can spell.
    const std::string folder = ScratchFolder() + "\\Łódź 照片";
    ASSERT_TRUE(os().CreateDirectory(folder));
    const std::string file = folder + "\\kesto.ini";
    std::vector<std::string> fileLines;
    for (const Spelling& spelling : Spellings()) {
        const std::optional<std::string> ansi = spelling.ansi.at(os().AnsiCodePage());
        if (!ansi) {
            continue;
        }
        const std::string key = std::to_string(fileLines.size());
        const std::string line = "X:\\: => D:\\" + spelling.text;
        ASSERT_TRUE(os().WritePrivateProfileString("KESTO", key, line, file));
        EXPECT_EQ(os().GetPrivateProfileString("KESTO", key, 254, file), line);
        fileLines.push_back(key + "=X:\\: => D:\\" + *ansi + "\r\n");
    }
    const auto joined = [&](std::size_t from) {
        std::string text = "[KESTO]\r\n";
        for (std::size_t i = from; i < fileLines.size(); ++i) {
            text += fileLines[i];
        }
        return text;
    };
    EXPECT_EQ(FileBytes(file), joined(0));
    os().WritePrivateProfileString("KESTO", "0", std::nullopt, file);
    EXPECT_EQ(FileBytes(file), joined(1));
}

TEST(IniContract, WritesIntoAnExistingAnsiFileKeepItAnsi) {
    const std::string file = ScratchFolder() + "\\old.ini";
    ASSERT_TRUE(os().WritePrivateProfileString("KESTO", "0", "X:\\: => D:\\Data", file));
    for (const Spelling& spelling : Spellings()) {
        if (const auto ansi = spelling.ansi.at(os().AnsiCodePage())) {
            ASSERT_TRUE(os().WritePrivateProfileString("KESTO", "1", spelling.text, file));
            EXPECT_EQ(FileBytes(file), "[KESTO]\r\n0=X:\\: => D:\\Data\r\n1=" + *ansi + "\r\n");
        }
    }
}

TEST(FileContract, FoldersAreReachedByTheirOwnNamesNotByLookAlikes) {
    const std::string scratch = ScratchFolder();
    const std::string real = scratch + "\\Łódź";
    const std::string lookAlike = scratch + "\\Lódz";
    ASSERT_TRUE(os().CreateDirectory(lookAlike));
    EXPECT_FALSE(os().GetFileAttributes(real).has_value());
    std::string shortPath;
    EXPECT_EQ(os().GetShortPathName(real, 249, shortPath), 0u);
    ASSERT_TRUE(os().CreateDirectory(real));
    EXPECT_FALSE(os().CreateDirectory(real));
    ASSERT_TRUE(os().GetFileAttributes(real).has_value());

    // Its short form leads to it, not to the look-alike.
    ASSERT_GT(os().GetShortPathName(real, 249, shortPath), 0u);
    ASSERT_TRUE(os().WritePrivateProfileString("s", "k", "v", shortPath + "\\probe.ini"));
    EXPECT_TRUE(os().GetFileAttributes(real + "\\probe.ini").has_value());
    EXPECT_FALSE(os().GetFileAttributes(lookAlike + "\\probe.ini").has_value());
}

TEST(RegistryContract, RunKeyValueIsWrittenInAnsiOrInUnicode) {
    const std::string subKey = "SOFTWARE\\KestoContract";
    platform::Handle key = 0;
    ASSERT_EQ(os().RegCreateKey(platform::Os::kHkeyCurrentUser, subKey, key), 0);
    for (const Spelling& spelling : Spellings()) {
        SCOPED_TRACE(spelling.text);
        const std::string command = "C:\\" + spelling.text + "\\kesto.exe /auto";
        if (const auto data = os().ToAnsi(command)) {
            EXPECT_EQ(os().RegSetValueEx(key, "KESTO", platform::kRegSz, *data,
                                         static_cast<std::uint32_t>(data->size() + 1)),
                      0);
            EXPECT_EQ(RegistryString(subKey, "KESTO"), command);
        }
        EXPECT_EQ(os().RegSetStringValue(key, "KESTO", command), 0);
        EXPECT_EQ(RegistryString(subKey, "KESTO"), command);
    }
    EXPECT_EQ(os().RegCloseKey(key), 0);
}

} // namespace
} // namespace kesto::contract
