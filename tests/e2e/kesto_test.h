// Each test gets the program in a folder of its own, so that it has its own kesto.ini, and
// no drive mappings but those it makes itself.
#pragma once

#include "drive_mappings.h"

#include "uidriver/main_form.h"
#include "uidriver/process.h"
#include "uidriver/window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

namespace kesto::e2e {

class KestoTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts kesto.exe in the test's folder and waits until its main window is filled in.
    // Throws when it does not come, which ends the test.
    void Launch();
    // Closes the program as its user would; ends it when it does not go.
    void Quit();

    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path IniFile() const { return folder_ / L"kesto.ini"; }
    const DriveMappings& Mappings() const { return *mappings_; }
    const uidriver::MainForm& Main() const;
    // Saves what the user sees of window as screenshots/NAME.bmp in the build folder.
    void SaveScreenshot(const std::string& name, const uidriver::Window& window) const;

  private:
    std::filesystem::path folder_;
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
