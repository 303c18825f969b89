// Names that the ANSI code page of the run may not spell: the program's own folder, folders the
// user types, look-alikes best fit would give, and listings in the OEM code page. Each holds in
// every locale the suite runs in.
#include "kesto_test.h"

namespace kesto::e2e {

namespace {

bool InBothCodePages(const std::wstring& text) {
    for (const UINT codePage : {CP_ACP, CP_OEMCP}) {
        BOOL lost = FALSE;
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr, 0, nullptr,
                            &lost);
        if (lost) {
            return false;
        }
    }
    return true;
}

class CodePages : public LaunchedKestoTest {
  protected:
    // Types the folder, creates with the last free letter and returns that letter.
    std::string CreateFrom(const fs::path& folder, const std::string& expectedMessage) {
        uidriver::ClickButton(Main().Control("Opt1(0)"));
        const uidriver::Window typed = Main().Control("TxtDirector");
        EXPECT_TRUE(uidriver::WaitUntil([&] { return typed.Visible(); }, 5s));
        uidriver::TypeText(typed, uidriver::Utf8Path(folder));
        const std::string letter = FreeLetters().back();
        uidriver::SelectItem(Main().Control("CmbFreedisk"), letter);
        uidriver::ClickButton(Main().Control("cmdcreate"));
        EXPECT_EQ(AcknowledgeNextMessage(), expectedMessage) << uidriver::Utf8Path(folder);
        WaitUntilIdle();
        return letter;
    }
};

// A look-alike folder that best fit would name is never mapped: each letter leads to its own file.
TEST_F(CodePages, FoldersWithChineseCyrillicPolishNamesOrBlanksAreMappedListedSavedAndRestored) {
    NewFolder(L"Lódz");
    CreateFrom(Folder() / L"Łódź", messages::kWrongFolder);
    EXPECT_TRUE(Mappings().List().empty());
    std::vector<std::pair<fs::path, std::string>> made;
    for (const wchar_t* name : {L"数据", L"Łódź", L"Kraków", L"Данные", L"my documents"}) {
        const fs::path folder = NewFolder(name);
        std::ofstream(folder / L"own.txt") << uidriver::Narrow(name);
        const std::string letter = CreateFrom(folder, messages::kMapped);
        made.emplace_back(folder, letter);
        EXPECT_EQ(Content(fs::path(uidriver::Widen(letter + "\\own.txt"))), uidriver::Narrow(name));
    }
    std::vector<std::string> lines;
    for (const auto& [folder, letter] : made) {
        lines.push_back(Line(letter, ListedForm(folder)));
    }
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(Mappings().List(), lines);
    EXPECT_TRUE(ShowsAndSavesTheListing());

    // The table brings them back.
    LogOffAndOn();
    EXPECT_EQ(Mappings().List(), lines);
    EXPECT_TRUE(ShowsAndSavesTheListing());
    for (const auto& [folder, letter] : made) {
        EXPECT_EQ(Content(fs::path(uidriver::Widen(letter + "\\own.txt"))),
                  Content(folder / L"own.txt"));
    }
}

// Long names with a blank, which the ANSI and the OEM code page both spell, differently where
// the locale is Western or Cyrillic.
class OemListing : public KestoTest {
  protected:
    void SetUp() override {
        SetEnvironmentVariableW(kSubstCodePageVariable, L"oem");
        KestoTest::SetUp();
    }
    void TearDown() override {
        KestoTest::TearDown();
        SetEnvironmentVariableW(kSubstCodePageVariable, nullptr);
    }
};

TEST_F(OemListing, MappingsMadeOutsideAreListedAndRestoredToTheirOwnFolders) {
    // ü is 0x81 in code page 437 and Ш 0x98 in 866: bytes that 1252 and 1251 leave undefined.
    std::vector<fs::path> folders;
    for (const std::wstring name :
         {L"Café au lait", L"Müller Daten", L"Данные папки", L"Шкаф папки", L"中文 文件夹"}) {
        if (InBothCodePages(name)) {
            folders.push_back(NewFolder(name));
        }
    }
    ASSERT_GE(folders.size(), 2u);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const char letter = static_cast<char>('P' + i);
        std::ofstream(folders[i] / L"own.txt") << letter;
        Mappings().Map(letter, folders[i]);
        lines.push_back(Line(std::string{letter, ':'}, uidriver::Utf8Path(folders[i])));
    }

    Launch();
    EXPECT_TRUE(ShowsAndSavesTheListing());

    LogOffAndOn();
    EXPECT_EQ(Mappings().List(), lines);
    EXPECT_TRUE(ShowsAndSavesTheListing());
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const char letter = static_cast<char>('P' + i);
        EXPECT_EQ(Content(std::wstring{static_cast<wchar_t>(letter), L':', L'\\'} + L"own.txt"),
                  std::string{letter});
    }
}

// Makes the shell open .htm files by copying them beside the test's folder, and puts the prefix
// back as it was afterwards. Wine's shell finds associations under the machine's classes only.
class HelpPageRecorder {
  public:
    explicit HelpPageRecorder(const fs::path& folder) : copy_(folder / L"opened.htm") {
        previous_ = uidriver::ReadRegistryValue(HKEY_LOCAL_MACHINE, kHtm, "");
        SetDefault(kHtm, "KestoTestPage");
        SetDefault(kClass + "\\shell\\open\\command",
                   "cmd.exe /c copy /y \"%1\" " + uidriver::QuotedPath(copy_) + " >nul");
    }
    ~HelpPageRecorder() {
        std::error_code ignored;
        fs::remove(copy_, ignored);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kClass.c_str());
        if (previous_) {
            SetDefault(kHtm, previous_->text);
        } else {
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, kHtm.c_str());
        }
    }
    HelpPageRecorder(const HelpPageRecorder&) = delete;
    HelpPageRecorder& operator=(const HelpPageRecorder&) = delete;

    // Whether the shell was asked to open the page before the timeout; forgets that it was. Told
    // by its bytes where its path holds characters the console's code page cannot spell.
    bool Opened(const std::string& page) const {
        const bool opened = uidriver::WaitUntil([&] { return Content(copy_) == page; }, 10s);
        std::error_code ignored;
        fs::remove(copy_, ignored);
        return opened;
    }

  private:
    static void SetDefault(const std::string& key, const std::string& value) {
        const std::wstring text = uidriver::Widen(value);
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, uidriver::Widen(key).c_str(), nullptr, REG_SZ,
                        text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

    inline static const std::string kHtm = "Software\\Classes\\.htm";
    inline static const std::string kClass = "Software\\Classes\\KestoTestPage";
    fs::path copy_;
    std::optional<uidriver::RegistryValue> previous_;
};

// The program unpacked into a folder whose name holds Chinese and a blank, or what a file URL would
// read as a fragment or an escape.
class ProgramFolder : public KestoTest, public ::testing::WithParamInterface<const wchar_t*> {
  protected:
    std::wstring FolderNameEnd() const override { return GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(OddNames, ProgramFolder, ::testing::Values(L"-工 具", L" #1 %41"));

// Help by F1 and the help button alike; the table saved there; the Run value, started as at a
// log-on from elsewhere, restores the table and waits in the tray.
TEST_P(ProgramFolder, OpensItsOwnHelpPageSavesItsTableAndItsRunValueStartsIt) {
    // Marked, so that no other test's copy of the page can pass for it.
    std::ofstream(Folder() / L"help.htm", std::ios::app) << "<!-- this test's page -->";
    const std::string page = Content(Folder() / L"help.htm");
    const fs::path data = NewFolder(L"data");
    std::ofstream(data / L"own.txt") << "own";
    Mappings().Map('X', data);
    const HelpPageRecorder recorder(Folder().parent_path());
    Launch();
    uidriver::PressKey(Main().Control("cmddele"), VK_F1);
    EXPECT_TRUE(recorder.Opened(page)) << "F1 did not open the page";
    Main().Press("imgTitleHelp");
    EXPECT_TRUE(recorder.Opened(page)) << "the button did not open the page";
    EXPECT_FALSE(ShownMessage());
    EXPECT_TRUE(ShowsAndSavesTheListing());
    ASSERT_EQ(Saved().size(), 1u);
    Quit();
    Mappings().RemoveAll();

    const auto run = uidriver::ReadRegistryValue(HKEY_CURRENT_USER, kRunKey, "KESTO");
    ASSERT_TRUE(run.has_value()) << "the program did not register itself to run at log-on";
    Launch({{}, {}, run->text, L"C:\\"});
    EXPECT_TRUE(uidriver::WaitUntil([&] { return !Main().Frame().Visible(); }, 10s));
    EXPECT_EQ(Mappings().List(), std::vector<std::string>{Line("X:", ListedForm(data))});
    EXPECT_EQ(Content(L"X:\\own.txt"), "own");
}

} // namespace

} // namespace kesto::e2e
