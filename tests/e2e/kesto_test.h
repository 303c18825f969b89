// Each test gets the program in a folder of its own, so that it has its own kesto.ini, and
// no drive mappings but those it makes itself. The one header the case files include: with it
// come the driver, Windows, the program's texts and what the cases use of the standard library.
#pragma once

#include "messages.h"
#include "test_switches.h"

#include "uidriver/console.h"
#include "uidriver/controls.h"
#include "uidriver/find.h"
#include "uidriver/ini.h"
#include "uidriver/keyboard.h"
#include "uidriver/main_form.h"
#include "uidriver/message_dialog.h"
#include "uidriver/poll.h"
#include "uidriver/process.h"
#include "uidriver/registry.h"
#include "uidriver/screenshot.h"
#include "uidriver/text.h"
#include "uidriver/tray_icon.h"
#include "uidriver/window.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace kesto::e2e {

namespace fs = std::filesystem;
// Every wait is given in seconds.
using namespace std::chrono_literals;

// The short 8.3 form of an existing path.
std::string ShortForm(const std::filesystem::path& path);
// How subst lists a folder the program mapped: by its path, or by its short form where the ANSI
// code page cannot spell the path.
std::string ListedForm(const std::filesystem::path& folder);

// A saved or listed line: "X:" and the folder it maps.
std::string Line(const std::string& drive, const std::string& folder);

// The file's bytes; empty when it cannot be read.
std::string Content(const std::filesystem::path& file);

// Drive mappings made and removed from outside the program, with the same subst.exe it uses.
class DriveMappings {
  public:
    explicit DriveMappings(std::filesystem::path substExe) : substExe_(std::move(substExe)) {}

    // subst run as the program runs it, from the folder it lies in; its output in UTF-8.
    uidriver::CommandOutput Run(const std::string& arguments) const;
    // The lines of a bare `subst`, without their line ends.
    std::vector<std::string> List() const;
    void Map(char drive, const std::filesystem::path& folder) const;
    void RemoveAll() const;

  private:
    // Its output; throws when it fails.
    std::string Succeed(const std::string& arguments) const;

    std::filesystem::path substExe_;
};

// Where the program registers itself to run at log-on, under HKEY_CURRENT_USER.
inline constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

struct LaunchOptions {
    std::string arguments; // after the program's path
    uidriver::Environment environment;
    // The whole command line instead of the program's path and the arguments.
    std::string commandLine;
    // Where it is started from instead of its own folder.
    std::filesystem::path workingFolder;
};

class KestoTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Ends the name of the test's folder, where the program lives.
    virtual std::wstring FolderNameEnd() const { return {}; }

    // Starts kesto.exe in the test's folder and waits until its main window, shown or not, is
    // filled in. Throws when it does not come, which ends the test.
    void Launch(const LaunchOptions& options = {});
    // The first half of Launch, for a start that stops at a message box.
    void Start(const LaunchOptions& options = {});
    void WaitUntilLoaded();
    // Closes the program as its user would; ends it when it does not go.
    void Quit();
    // As at the next log-on: the program ends, the mappings are gone, the program starts again.
    void LogOffAndOn();

    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path IniFile() const { return folder_ / L"kesto.ini"; }
    std::filesystem::path NewFolder(const std::wstring& name) const;
    // For folders the program makes outside the test's folder.
    void RemoveAfterwards(std::filesystem::path folder) { leftovers_.push_back(std::move(folder)); }
    const DriveMappings& Mappings() const { return *mappings_; }
    const uidriver::Process& Program() const { return program_.value(); }
    const uidriver::MainForm& Main() const { return main_.value(); }

    std::vector<std::string> Listed() const { return Items("listKesto"); }
    std::vector<std::string> FreeLetters() const { return Items("CmbFreedisk"); }
    std::vector<std::string> BusyLetters() const { return Items("CmbBusyDisk"); }
    uidriver::IniEntries Saved() const { return uidriver::ReadIniSection(IniFile(), "KESTO"); }
    // Whether listKesto and kesto.ini both hold what subst lists now, the file under keys "0" up.
    ::testing::AssertionResult ShowsAndSavesTheListing() const;

    // The message box the program shows next; throws when none comes.
    uidriver::MessageDialog NextMessage() const;
    // Answers the box and waits until it has gone.
    void Answer(const uidriver::MessageDialog& box, int button) const;
    // Answers the next box with OK and returns what it said.
    std::string AcknowledgeNextMessage() const;
    // A message box of the program's, if one is up.
    std::optional<uidriver::Window> ShownMessage() const;
    // Waits until the program has done what the last click set off.
    void WaitUntilIdle() const;

    // Saves what the user sees of area as screenshots/NAME.bmp in the build folder.
    void SaveScreenshot(const std::string& name, const uidriver::Rect& area) const;

  private:
    std::vector<std::string> Items(const char* list) const {
        return uidriver::ListItems(Main().Control(list));
    }

    std::filesystem::path folder_;
    std::vector<std::filesystem::path> leftovers_;
    std::optional<DriveMappings> mappings_;
    std::optional<uidriver::Process> program_;
    std::optional<uidriver::MainForm> main_;
};

// For tests that need nothing prepared before the program starts.
class LaunchedKestoTest : public KestoTest {
  protected:
    void SetUp() override {
        KestoTest::SetUp();
        Launch();
    }
};

} // namespace kesto::e2e
