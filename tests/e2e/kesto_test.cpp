#include "kesto_test.h"

#include "uidriver/controls.h"
#include "uidriver/error.h"
#include "uidriver/find.h"
#include "uidriver/message_dialog.h"
#include "uidriver/screenshot.h"
#include "uidriver/text.h"

#include <windows.h>

namespace kesto::e2e {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Wine starts a program in well under a second; a loaded machine may take much longer.
constexpr auto kStartTimeout = 30s;
// Closing takes the program about four seconds under Wine on Xvfb: removing its tray icon
// waits on the missing notification area.
constexpr auto kQuitTimeout = 15s;
constexpr size_t kDriveLetters = 26;

fs::path TempFolder() {
    wchar_t path[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, path);
    wchar_t longPath[MAX_PATH + 1] = {};
    // The short 8.3 form would be what subst prints, and harder to read in a failure.
    return GetLongPathNameW(path, longPath, MAX_PATH + 1) != 0 ? fs::path(longPath)
                                                               : fs::path(path);
}

fs::path FreshFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path folder =
        TempFolder() /
        uidriver::Widen(std::string("kesto-e2e-") + std::to_string(GetCurrentProcessId()) + "-" +
                        test->test_suite_name() + "-" + test->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

} // namespace

void KestoTest::SetUp() {
    folder_ = FreshFolder();
    const fs::path runFolder = KESTO_RUN_DIR;
    for (const wchar_t* file : {L"kesto.exe", L"subst.exe", L"help.htm"}) {
        fs::copy_file(runFolder / file, folder_ / file);
    }
    mappings_.emplace(folder_ / L"subst.exe");
    mappings_->RemoveAll();
}

void KestoTest::TearDown() {
    Quit();
    if (mappings_) {
        mappings_->RemoveAll();
    }
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

void KestoTest::Launch() {
    if (program_) {
        throw uidriver::DriverError("the program is already running");
    }
    program_.emplace(
        uidriver::Process::Start(uidriver::QuotedPath(folder_ / L"kesto.exe"), folder_));
    // Its message boxes carry the same title.
    main_.emplace(uidriver::WaitForWindow(
        uidriver::WindowQuery("Tarvel").OfProcess(program_->Id()).NotOfClass("#32770"),
        kStartTimeout));
    // The window shows before the program has read the mappings; it fills the drive lists
    // last, every letter in one of the two.
    const bool loaded = uidriver::WaitUntil(
        [&] {
            return uidriver::ListItems(main_->Control("CmbFreedisk")).size() +
                       uidriver::ListItems(main_->Control("CmbBusyDisk")).size() ==
                   kDriveLetters;
        },
        kStartTimeout);
    if (!loaded) {
        std::string why = "the drive lists never held all 26 letters";
        if (const auto box = uidriver::FindFirstWindow(
                uidriver::WindowQuery("Tarvel").OfProcess(program_->Id()).OfClass("#32770"))) {
            why += "; a message box says: " + uidriver::MessageDialog(*box).Text();
        }
        throw uidriver::DriverError(why);
    }
}

void KestoTest::Quit() {
    main_.reset();
    if (program_) {
        program_->Stop(kQuitTimeout);
        program_.reset();
    }
}

const uidriver::MainForm& KestoTest::Main() const {
    if (!main_) {
        throw uidriver::DriverError("the program is not running");
    }
    return *main_;
}

void KestoTest::SaveScreenshot(const std::string& name, const uidriver::Window& window) const {
    const fs::path folder = KESTO_SCREENSHOT_DIR;
    fs::create_directories(folder);
    uidriver::SaveBmp(uidriver::CaptureArea(window.ScreenRect()),
                      folder / uidriver::Widen(name + ".bmp"));
}

} // namespace kesto::e2e
