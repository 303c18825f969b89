// frmMain: the main window's logic. Its handlers keep the names of the events they serve; the
// window itself is built by the toolkit from ui::MainWindow::Layout().
#pragma once

#include "app/app_paths.h"
#include "app/busy_state.h"
#include "app/table_file.h"
#include "command/dos_outputs.h"
#include "platform/os.h"
#include "platform/toolkit.h"
#include "tray/tray_area.h"
#include "ui/frm_working.h"
#include "ui/main_names.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kesto::app {

class MainForm : private platform::FormEvents {
  public:
    MainForm(platform::Os& os, platform::Toolkit& toolkit);
    ~MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // Start-up and shut-down.
    void Form_Load();
    // Unloads the window and ends the event loop.
    void Unload();
    bool Loaded() const { return static_cast<bool>(form_); }

    const AppPaths& Paths() const { return paths_; }
    platform::Form& Window() { return *form_; }

    // Partition table and lists.
    void RefreshPartitions();
    void FillList();

    // Creating and removing.
    void cmdcreate_Click();
    void Opt1_Click(int index);
    void CmdFindDirector_Click();
    void cmddele_Click();
    // Maps Drive onto Folder, spelled as AnsiFolder gave it.
    void MapDrive(const BusyState::Hold& running, const std::string& Drive,
                  const std::string& Folder, bool ShowResult);
    bool IsFolder(const std::string& Path);
    void CreateNewDirectory(const std::string& NewDirectory);

    // Title bar, list tool tip and tray.
    void imgTitleHelp_Click();
    void imgTitleMinimize_Click();
    void imgTitleClose_Click() { Unload(); }
    void TitleMouseDown();
    void listKesto_MouseMove(int button, int x, int y);
    void TrayArea1_MouseDown();

  private:
    void OnClick(const std::string& control) override;
    void OnMouseDown(const std::string& control, int button) override;
    void OnMouseMove(const std::string& control, int buttons, int x, int y) override;
    void OnCloseRequest() override;
    void OnHelpRequest() override { imgTitleHelp_Click(); }

    void Form_Unload();
    void WriteLogOnEntry();
    void RestoreSavedPartitions(const BusyState::Hold& running);
    // Saves the listing's lines and the unrestored ones.
    void SaveTable(std::vector<std::string> lines);
    // The saved lines, asked again for a while when the file cannot be read; nothing when it
    // still cannot.
    std::optional<std::vector<std::string>> ReadSavedTable();
    PartitionTableFile Table() { return {os_, paths_.tableFilePath}; }
    // The table file as Explorer shows it.
    std::string ShownTableFile();
    void WarnTableNotRead();
    void WarnTableNotSaved();
    void WarnLogOnEntryNotSaved();
    std::string ShortNameOrLong(const std::string& path);
    // The listing line with the folder that is really mapped.
    std::string MappedFolderLine(const std::string& line);
    // Runs one subst command line with the progress window up and the main window disabled.
    std::string RunWithProgress(const BusyState::Hold& running, const std::string& commandLine,
                                const std::string& view);
    template <class Kind> Kind& Control(ui::Name<Kind> name) { return form_.Find(name); }

    platform::Os& os_;
    platform::Toolkit& toolkit_;
    AppPaths paths_;
    platform::FormOf<ui::MainWindow> form_;
    std::unique_ptr<command::DOSOutputs> objDOS_;
    std::unique_ptr<ui::FrmWorking> FrmWorking_;
    std::unique_ptr<tray::TrayArea> TrayArea1_;
    BusyState busy_{[this] { Unload(); }};
    // The table warning is shown once a run: every later refresh would fail the same way.
    bool tableWarned_ = false;
    // Saved lines this run never made again, which every save keeps for the next start: those of
    // a table the start could not read, once it can be read. Nothing while it still cannot, and
    // the table is left alone meanwhile.
    std::optional<std::vector<std::string>> unrestored_ = std::vector<std::string>();
};

} // namespace kesto::app
