#include "kesto_test.h"

#include "uidriver/bare_desktop.h"
#include "uidriver/error.h"

#include <iterator>
#include <sstream>

namespace kesto::e2e {

namespace {

using uidriver::Utf8Path;

// Wine starts a program in well under a second; a loaded machine may take much longer.
constexpr auto kStartTimeout = 30s;
// Closing takes the program well under a second; a loaded machine may take much longer.
constexpr auto kQuitTimeout = 15s;
// Long enough for a subst slowed down by a test, and for a loaded machine.
constexpr auto kActionTimeout = 30s;
constexpr size_t kDriveLetters = 26;

// The console's output as the subst beside the program writes it: in the OEM code page while a
// test sets the switch.
std::string OutputToUtf8(const std::string& bytes) {
    if (!output_in_oem() || bytes.empty()) {
        return uidriver::AnsiToUtf8(bytes);
    }
    const int length = static_cast<int>(bytes.size());
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), length, wide.data(), length)));
    return uidriver::Narrow(wide);
}

fs::path FreshFolder(const std::wstring& nameEnd) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("kesto-e2e-") + std::to_string(GetCurrentProcessId()) + "-" +
                       test->test_suite_name() + "-" + test->name();
    // Parameterised tests are named with slashes.
    std::replace(name.begin(), name.end(), '/', '-');
    const fs::path folder = fs::temp_directory_path() / (uidriver::Widen(name) + nameEnd);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// Every start adds the program to the Run key; a test must see only what its own start wrote,
// and the prefix is left as it was found.
void ForgetRunValue() {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "KESTO");
}

// For the whole run, as on a Windows desktop: hiding a window costs nothing, and the
// notification area stays when the program's icon leaves it.
class BareDesktop : public ::testing::Environment {
  public:
    void SetUp() override {
        // Windows shows a process unaware of densities every window scaled to 96 dots per inch.
        SetProcessDPIAware();
        unmanaged_.emplace(L"kesto.exe");
        occupant_.emplace();
    }
    void TearDown() override {
        occupant_.reset();
        unmanaged_.reset();
    }

  private:
    std::optional<uidriver::UnmanagedWindows> unmanaged_;
    std::optional<uidriver::TrayOccupant> occupant_;
};

[[maybe_unused]] const ::testing::Environment* const kBareDesktop =
    ::testing::AddGlobalTestEnvironment(new BareDesktop);

} // namespace

std::string ShortForm(const std::filesystem::path& path) {
    wchar_t shortPath[MAX_PATH] = {};
    GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
    return uidriver::Narrow(shortPath);
}

std::string ListedForm(const std::filesystem::path& folder) {
    BOOL lost = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, folder.c_str(), -1, nullptr, 0, nullptr,
                        &lost);
    return lost ? ShortForm(folder) : Utf8Path(folder);
}

std::string Line(const std::string& drive, const std::string& folder) {
    return drive + "\\: => " + folder;
}

std::string Content(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

uidriver::CommandOutput DriveMappings::Run(const std::string& arguments) const {
    uidriver::CommandOutput result = uidriver::RunCommand(
        uidriver::QuotedPath(substExe_) + " " + arguments, substExe_.parent_path(), 30s);
    result.output = OutputToUtf8(result.output);
    return result;
}

std::string DriveMappings::Succeed(const std::string& arguments) const {
    const uidriver::CommandOutput result = Run(arguments);
    if (result.exitCode != 0) {
        throw uidriver::DriverError("subst " + arguments + " failed: " + result.output);
    }
    return result.output;
}

std::vector<std::string> DriveMappings::List() const {
    std::istringstream output(Succeed(""));
    std::vector<std::string> lines;
    for (std::string line; std::getline(output, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

void DriveMappings::Map(char drive, const std::filesystem::path& folder) const {
    Succeed(std::string{drive, ':', ' '} + uidriver::QuotedPath(folder));
}

void DriveMappings::RemoveAll() const {
    for (const std::string& line : List()) {
        Succeed(std::string{line.front(), ':'} + " /d");
    }
}

void KestoTest::SetUp() {
    folder_ = FreshFolder(FolderNameEnd());
    const fs::path runFolder = KESTO_RUN_DIR;
    for (const wchar_t* file : {L"kesto.exe", L"subst.exe", L"help.htm"}) {
        fs::copy_file(runFolder / file, folder_ / file);
    }
    mappings_.emplace(folder_ / L"subst.exe");
    mappings_->RemoveAll();
    ForgetRunValue();
}

void KestoTest::TearDown() {
    Quit();
    if (mappings_) {
        mappings_->RemoveAll();
    }
    ForgetRunValue();
    std::error_code ignored;
    for (const fs::path& folder : leftovers_) {
        fs::remove_all(folder, ignored);
    }
    fs::remove_all(folder_, ignored);
}

void KestoTest::Launch(const LaunchOptions& options) {
    Start(options);
    WaitUntilLoaded();
}

void KestoTest::Start(const LaunchOptions& options) {
    if (program_) {
        throw uidriver::DriverError("the program is already running");
    }
    std::string commandLine = options.commandLine;
    if (commandLine.empty()) {
        commandLine = uidriver::QuotedPath(folder_ / L"kesto.exe");
        if (!options.arguments.empty()) {
            commandLine += " " + options.arguments;
        }
    }
    const std::filesystem::path& workingFolder =
        options.workingFolder.empty() ? folder_ : options.workingFolder;
    program_.emplace(uidriver::Process::Start(commandLine, workingFolder, options.environment));
    // Its message boxes carry the same title; started with /auto it hides at once.
    main_.emplace(uidriver::WaitForWindow(uidriver::WindowQuery("Tarvel")
                                              .OfProcess(program_->Id())
                                              .OfClass("KestoFormWithIcon")
                                              .IncludingHidden(),
                                          kStartTimeout));
}

void KestoTest::WaitUntilLoaded() {
    // The window is there before the program has read the mappings; it fills the drive lists
    // last, every letter in one of the two. Until then it may be too busy to answer.
    const bool loaded = uidriver::WaitUntil(
        [&] {
            try {
                return FreeLetters().size() + BusyLetters().size() == kDriveLetters;
            } catch (const uidriver::DriverError&) {
                return false;
            }
        },
        kStartTimeout);
    if (!loaded) {
        std::string why = "the drive lists never held all 26 letters";
        if (const auto box = ShownMessage()) {
            why += "; a message box says: " + uidriver::MessageDialog(*box).Text();
        }
        throw uidriver::DriverError(why);
    }
}

void KestoTest::Quit() {
    if (program_) {
        // Hidden behind its tray icon, the window takes a close all the same.
        if (main_) {
            PostMessageW(main_->Frame().Handle(), WM_CLOSE, 0, 0);
        }
        program_->Stop(kQuitTimeout);
        program_.reset();
    }
    main_.reset();
}

fs::path KestoTest::NewFolder(const std::wstring& name) const {
    const fs::path folder = folder_ / name;
    fs::create_directories(folder);
    return folder;
}

void KestoTest::LogOffAndOn() {
    Quit();
    mappings_->RemoveAll();
    Launch();
}

::testing::AssertionResult KestoTest::ShowsAndSavesTheListing() const {
    const std::vector<std::string> lines = Mappings().List();
    uidriver::IniEntries expected;
    for (size_t i = 0; i < lines.size(); ++i) {
        expected.emplace_back(std::to_string(i), lines[i]);
    }
    const std::vector<std::string> listed = Listed();
    const uidriver::IniEntries saved = Saved();
    if (listed == lines && saved == expected) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "subst lists " << ::testing::PrintToString(lines)
                                         << "\nlistKesto shows " << ::testing::PrintToString(listed)
                                         << "\nkesto.ini holds " << ::testing::PrintToString(saved);
}

uidriver::MessageDialog KestoTest::NextMessage() const {
    return uidriver::MessageDialog::WaitFor(Program().Id(), "Tarvel", kActionTimeout);
}

void KestoTest::Answer(const uidriver::MessageDialog& box, int button) const {
    box.Answer(button);
    if (!uidriver::WaitUntil([&] { return !box.Dialog().Exists(); }, kActionTimeout)) {
        throw uidriver::DriverError("the message box stays after its answer");
    }
}

std::optional<uidriver::Window> KestoTest::ShownMessage() const {
    return uidriver::FindFirstWindow(
        uidriver::WindowQuery("Tarvel").OfProcess(program_->Id()).OfClass("#32770"));
}

std::string KestoTest::AcknowledgeNextMessage() const {
    const uidriver::MessageDialog box = NextMessage();
    const std::string text = box.Text();
    Answer(box, IDOK);
    return text;
}

void KestoTest::WaitUntilIdle() const {
    if (!Main().Frame().Responds(kActionTimeout)) {
        throw uidriver::DriverError("the program stays busy");
    }
}

void KestoTest::SaveScreenshot(const std::string& name, const uidriver::Rect& area) const {
    const fs::path folder = KESTO_SCREENSHOT_DIR;
    fs::create_directories(folder);
    uidriver::SaveBmp(uidriver::CaptureArea(area), folder / uidriver::Widen(name + ".bmp"));
}

} // namespace kesto::e2e
