#include "command/dos_outputs.h"
#include "contract/contract_env.h"
#include "fakes/fake_toolkit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace kesto::contract {
namespace {

platform::Os& os() {
    return SystemUnderTest();
}

// The command runner itself, against the system under test: what it returns, whether it ran, what
// it told the user, and that it leaves no handle open.
void ExpectRun(const std::string& commandLine, const std::string& output, bool completed,
               const std::vector<std::string>& messages) {
    SCOPED_TRACE(commandLine);
    fakes::FakeToolkit toolkit;
    command::DOSOutputs runner(os(), toolkit);
    runner.SetCommandLine(commandLine);
    const std::size_t openBefore = HandlesOpen();
    EXPECT_EQ(runner.ExecuteCommand(), output);
    EXPECT_EQ(HandlesOpen(), openBefore);
    EXPECT_EQ(runner.Completed(), completed);
    std::vector<std::string> told;
    for (const auto& box : toolkit.messageBoxes) {
        told.push_back(box.text);
    }
    EXPECT_EQ(told, messages);
}

// Both outputs through one pipe, read more than once, up to the pipe's end; the error text comes
// only from a child with a console of its own and no window for it (where the default terminal
// would show a console program started hidden). A missing program does not start.
TEST(ProcessContract, ChildOutputAndErrorArriveThroughOnePipeFromAWindowlessConsole) {
    ExpectRun(ChildCommandLine(600, "complaint"), ChildOutput(600) + "complaint", true, {});
    ExpectRun(ChildCommandLine(0, "\"\""), "", true, {});
    ExpectRun("kesto-no-such-program-here /x", "", false, {"File or command not found"});
}

// The folder's name is one no code page of these runs can spell, and a look-alike that best fit
// would give ("Lodz" or "Lódz") lies beside it.
TEST(FileContract, FoldersAttributesAndShortNames) {
    const std::string scratch = ScratchFolder();
    const std::string folder = scratch + "\\Łódź";
    const std::string lookAlike = scratch + "\\Lódz";
    ASSERT_TRUE(os().CreateDirectoryW(lookAlike));
    EXPECT_FALSE(os().GetFileAttributesW(folder).has_value());
    std::string shortPath;
    EXPECT_EQ(os().GetShortPathNameW(folder, 249, shortPath), 0u);
    EXPECT_EQ(os().GetLongPathNameW(folder), "");
    EXPECT_TRUE(os().CreateDirectoryW(folder));
    EXPECT_FALSE(os().CreateDirectoryW(folder));
    EXPECT_FALSE(os().CreateDirectoryW(scratch + "\\no\\parent"));
    EXPECT_FALSE(os().CreateDirectoryW(scratch.substr(0, 3)));
    ASSERT_TRUE(os().GetFileAttributesW(folder).has_value());
    EXPECT_NE(*os().GetFileAttributesW(folder) & platform::kFileAttributeDirectory, 0u);
    EXPECT_FALSE(os().GetFileAttributesW("").has_value());

    // Its short form leads to it, not to the look-alike.
    EXPECT_GT(os().GetShortPathNameW(folder, 249, shortPath), 0u);
    ASSERT_FALSE(shortPath.empty());
    EXPECT_EQ(os().GetLongPathNameW(shortPath), folder);
    EXPECT_EQ(os().GetLongPathNameW(shortPath + "\\"), folder + "\\");
    ASSERT_TRUE(os().WritePrivateProfileStringW("s", "k", "v", shortPath + "\\probe.ini"));
    const auto probe = os().GetFileAttributesW(folder + "\\probe.ini");
    ASSERT_TRUE(probe.has_value());
    EXPECT_EQ(*probe & platform::kFileAttributeDirectory, 0u);
    EXPECT_FALSE(os().CreateDirectoryW(folder + "\\probe.ini"));
    EXPECT_FALSE(os().GetFileAttributesW(lookAlike + "\\probe.ini").has_value());
    // Too small a buffer: the size needed, terminator included, and nothing written.
    EXPECT_GT(os().GetShortPathNameW(folder, 4, shortPath), 4u);
    EXPECT_EQ(shortPath, "");
}

// A fresh "<scratch>\aaa…\bbb…" of exactly `length` characters, in parts a file system takes.
std::string FolderPathOfLength(std::size_t length) {
    std::string folder = ScratchFolder();
    for (char letter = 'a'; folder.size() < length; ++letter) {
        const std::size_t room = length - folder.size() - 1;
        std::size_t part = std::min<std::size_t>(100, room);
        if (room - part == 1) {
            --part; // else the last part would have no room for a name
        }
        folder += '\\';
        folder.append(part, letter);
    }
    return folder;
}

// Without long paths enabled, Windows refuses paths of MAX_PATH characters and more, and makes a
// folder only where an 8.3 name still fits below it; Wine takes longer ones. Folders up to those
// lengths are what both take.
TEST(FileContract, LongFoldersUpToMaxPath) {
    const std::string longestMade = FolderPathOfLength(247);
    MakeFolders(longestMade.substr(0, longestMade.find_last_of('\\')));
    EXPECT_TRUE(os().CreateDirectoryW(longestMade));
    for (const std::size_t length : {247u, 248u, 259u}) {
        SCOPED_TRACE(length);
        const std::string folder = FolderPathOfLength(length);
        ASSERT_EQ(folder.size(), length);
        MakeFolders(folder);
        const auto attributes = os().GetFileAttributesW(folder);
        ASSERT_TRUE(attributes.has_value());
        EXPECT_NE(*attributes & platform::kFileAttributeDirectory, 0u);
        EXPECT_EQ(os().GetLongPathNameW(folder), folder);
        std::string shortPath;
        EXPECT_GT(os().GetShortPathNameW(folder, 1000, shortPath), 0u);
        EXPECT_TRUE(os().GetFileAttributesW(shortPath).has_value());
    }
}

TEST(DriveContract, SystemDriveIsFixedAndSomeLetterIsFree) {
    EXPECT_EQ(os().GetDriveTypeW("c:"), platform::kDriveFixed);
    int free = 0;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        free += os().GetDriveTypeW(std::string{letter, ':'}) == platform::kDriveNoRootDir ? 1 : 0;
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

TEST(CodePageContract, TheRunHasTheCodePagesAndLeadBytesItWasSetUpFor) {
    EXPECT_EQ(os().AnsiCodePage(), ExpectedAnsiCodePage());
    EXPECT_EQ(os().IsDbcsLeadByte(0xD5), os().AnsiCodePage() == 936);
    EXPECT_FALSE(os().IsDbcsLeadByte('A'));
    // The OEM code page of each: 936, 437, 866.
    const std::map<std::uint32_t, std::pair<std::string, std::string>> oem = {
        {936, {"\xD5\xD5\xC6\xAC", "照片"}},
        {1252, {"Caf\x82", "Café"}},
        {1251, {"\x84\xA0\xAD\xAD\xEB\xA5", "Данные"}}};
    const auto& [bytes, text] = oem.at(os().AnsiCodePage());
    EXPECT_EQ(os().FromOem(bytes), text);
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

// The high bytes each single-byte code page defines, read and written as the system does; those it
// leaves undefined are left out.
TEST(CodePageContract, DefinedHighBytesOfASingleByteCodePageConvertBothWays) {
    const std::map<std::uint32_t, std::pair<std::string, std::string>> pages = {
        {1252,
         {"\x81\x8D\x8F\x90\x9D", "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ\u00A0"
                                  "¡¢£¤¥¦§¨©ª«¬\u00AD®¯°±²³´µ¶·¸¹º»"
                                  "¼½¾¿ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ×ØÙÚÛ"
                                  "ÜÝÞßàáâãäåæçèéêëìíîïðñòóôõö÷øùúû"
                                  "üýþÿ"}},
        {1251,
         {"\x98", "ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏђ‘’“”•–—™љ›њќћџ\u00A0"
                  "ЎўЈ¤Ґ¦§Ё©Є«¬\u00AD®Ї°±Ііґµ¶·ё№є»"
                  "јЅѕїАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫ"
                  "ЬЭЮЯабвгдежзийклмнопрстуфхцчшщъы"
                  "ьэюя"}}};
    const auto page = pages.find(os().AnsiCodePage());
    if (page == pages.end()) {
        GTEST_SKIP() << "a double-byte code page";
    }
    const auto& [undefined, text] = page->second;
    std::string bytes;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        if (undefined.find(static_cast<char>(byte)) == std::string::npos) {
            bytes += static_cast<char>(byte);
        }
    }
    EXPECT_EQ(os().FromAnsi(bytes), text);
    EXPECT_EQ(os().ToAnsi(text), bytes);
}

// The file lies in a folder whose name no code page of these runs can spell; each line is written
// in the code page, and read back in Unicode.
TEST(IniContract, ProfileCallsKeepTheFileInTheAnsiCodePage) {
    const std::string folder = ScratchFolder() + "\\Łódź 照片";
    ASSERT_TRUE(os().CreateDirectoryW(folder));
    const std::string file = folder + "\\kesto.ini";
    EXPECT_EQ(os().GetPrivateProfileStringW("KESTO", "0", 254, file), "");
    EXPECT_EQ(os().LastError(), 2u); // ERROR_FILE_NOT_FOUND
    EXPECT_FALSE(os().WritePrivateProfileStringW("KESTO", "0", "x", folder + "\\no\\kesto.ini"));
    std::vector<std::string> fileLines;
    for (const Spelling& spelling : Spellings()) {
        const std::optional<std::string> ansi = spelling.ansi.at(os().AnsiCodePage());
        if (!ansi) {
            continue;
        }
        const std::string key = std::to_string(fileLines.size());
        const std::string line = "X:\\: => D:\\" + spelling.text;
        ASSERT_TRUE(os().WritePrivateProfileStringW("KESTO", key, line, file));
        EXPECT_EQ(os().GetPrivateProfileStringW("kesto", key, 254, file), line);
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
    EXPECT_TRUE(os().WritePrivateProfileStringW("KESTO", "0", std::nullopt, file));
    EXPECT_EQ(FileBytes(file), joined(1));
    EXPECT_EQ(os().GetPrivateProfileStringW("KESTO", "0", 254, file), "");
    // Windows documents ERROR_FILE_NOT_FOUND for a missing key too.
    EXPECT_TRUE(os().LastError() == 0 || os().LastError() == 2) << os().LastError();

    // A long value is cut to the buffer less its terminator; other sections stay.
    ASSERT_TRUE(os().WritePrivateProfileStringW("Other", "0", "keep", file));
    const std::string value = std::string(300, 'v');
    ASSERT_TRUE(os().WritePrivateProfileStringW("KESTO", "9", value, file));
    EXPECT_EQ(os().GetPrivateProfileStringW("KESTO", "9", 254, file), value.substr(0, 253));
    EXPECT_EQ(os().GetPrivateProfileStringW("KESTO", "9", 1000, file), value);
    EXPECT_TRUE(os().WritePrivateProfileStringW("KESTO", "9", std::nullopt, file));
    EXPECT_EQ(os().GetPrivateProfileStringW("Other", "0", 254, file), "keep");
}

// Reading it gives empty text, as a missing file does: the error, and an open, tell them apart.
TEST(IniContract, FileHeldWithoutSharingCanNeitherBeWrittenNorRead) {
    const std::string file = ScratchFolder() + "\\held.ini";
    EXPECT_EQ(os().TryOpenForReading(file), 2u); // ERROR_FILE_NOT_FOUND
    ASSERT_TRUE(os().WritePrivateProfileStringW("KESTO", "0", "E:\\: => C:\\Data", file));
    EXPECT_EQ(os().TryOpenForReading(file), 0u);
    {
        const std::shared_ptr<void> held = HoldWithoutSharing(file);
        ASSERT_NE(held, nullptr);
        EXPECT_FALSE(os().WritePrivateProfileStringW("KESTO", "1", "F:\\: => C:\\x", file));
        EXPECT_FALSE(os().WritePrivateProfileStringW("KESTO", "0", std::nullopt, file));
        EXPECT_EQ(os().GetPrivateProfileStringW("KESTO", "0", 254, file), "");
        EXPECT_EQ(os().LastError(), platform::kErrorSharingViolation);
        EXPECT_EQ(os().TryOpenForReading(file), platform::kErrorSharingViolation);
    }
    EXPECT_TRUE(os().WritePrivateProfileStringW("KESTO", "1", "F:\\: => C:\\x", file));
    EXPECT_EQ(os().GetPrivateProfileStringW("KESTO", "0", 254, file), "E:\\: => C:\\Data");
}

// Read back as the command's text and its terminator, no more and no less.
void ExpectRunValue(const std::string& subKey, const std::string& command) {
    const std::optional<StoredValue> value = RegistryValue(subKey, "KESTO");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, platform::kRegSz);
    EXPECT_EQ(value->wideData, command + '\0');
}

TEST(RegistryContract, RunKeyValueIsWrittenInAnsiOrInUnicode) {
    const std::string subKey = "SOFTWARE\\KestoContract";
    const std::shared_ptr<void> cleanup(nullptr, [&](void*) { DeleteRegistryKey(subKey); });
    platform::Handle key = 0;
    ASSERT_EQ(os().RegCreateKeyW(platform::Os::kHkeyCurrentUser, subKey, key), 0);
    for (const Spelling& spelling : Spellings()) {
        SCOPED_TRACE(spelling.text);
        const std::string command = "C:\\" + spelling.text + "\\kesto.exe /auto";
        if (const auto data = os().ToAnsi(command)) {
            EXPECT_EQ(os().RegSetValueExA(key, "KESTO", platform::kRegSz, *data,
                                          static_cast<std::uint32_t>(data->size() + 1)),
                      0);
            ExpectRunValue(subKey, command);
        }
        EXPECT_EQ(os().RegSetStringValue(key, "KESTO", command), 0);
        ExpectRunValue(subKey, command);
    }
    EXPECT_EQ(os().RegCloseKey(key), 0);
}

} // namespace
} // namespace kesto::contract
