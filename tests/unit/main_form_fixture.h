// A main window on the in-memory Windows: C: and D: fixed, the program in C:\Tools; with it
// come the texts it shows.
#pragma once

#include "app/main_form.h"
#include "fakes/fake_os.h"
#include "fakes/fake_toolkit.h"
#include "messages.h"
#include "ui/main_names.h"
#include "ui/working_names.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kesto {

struct MainFormMachine {
    MainFormMachine() {
        os.AddDrive('D');
        os.AddFolder("C:\\Tools");
    }
    void Load() {
        form = std::make_unique<app::MainForm>(os, toolkit);
        form->Form_Load();
    }
    fakes::FakeForm& Window() { return *toolkit.Form("frmMain"); }
    template <class Kind> fakes::FakeControl& Control(ui::Name<Kind> name) {
        return Window().Find(name);
    }
    void ExistingFolderMode(const std::string& folder) {
        Window().Click(ui::Opt1_0);
        Control(ui::TxtDirector).SetText(folder);
    }
    // Creates and removals as the user would make them; an empty choice leaves the list
    // unchosen.
    void MapExisting(const std::string& folder, const std::string& letter) {
        ExistingFolderMode(folder);
        Choose(Control(ui::CmbFreedisk), letter);
        Window().Click(ui::cmdcreate);
    }
    void Create(const std::string& letter, const std::string& disk) {
        Choose(Control(ui::CmbFreedisk), letter);
        Choose(Control(ui::CmbBusyDisk), disk);
        Window().Click(ui::cmdcreate);
    }
    void Remove(const std::string& line) {
        Choose(Control(ui::listKesto), line);
        Window().Click(ui::cmddele);
    }
    // A choice the list does not offer fails the case, lest it pass on the refusal that follows;
    // where failing calls may leave the lists short (the fault walk), that refusal is the point.
    void Choose(fakes::FakeControl& list, const std::string& item) {
        const bool chosen = item.empty() || list.Select(item);
        EXPECT_TRUE(chosen || !choicesMustBeOffered) << item << " is not offered";
    }
    bool choicesMustBeOffered = true;
    int CallCount(const std::string& prefix) const {
        return static_cast<int>(
            std::count_if(os.Calls().begin(), os.Calls().end(),
                          [&](const std::string& call) { return call.starts_with(prefix); }));
    }

    fakes::FakeOs os;
    fakes::FakeToolkit toolkit;
    std::unique_ptr<app::MainForm> form;
};

class MainFormTest : public ::testing::Test, public MainFormMachine {
  protected:
    std::string Ini() { return os.FileContent("C:\\Tools\\kesto.ini").value_or("<none>"); }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& box : toolkit.messageBoxes) {
            texts.push_back(box.text);
        }
        return texts;
    }
    // Closed once: unloaded with its windows and its icon, the message loop ended.
    void ExpectClosedOnce() {
        EXPECT_FALSE(form->Loaded());
        EXPECT_EQ(toolkit.quits, 1);
        EXPECT_EQ(toolkit.Form("frmMain"), nullptr);
        EXPECT_EQ(toolkit.Form("FrmWorking"), nullptr);
        EXPECT_EQ(toolkit.notifyCalls.back().message, platform::kNimDelete);
        form.reset();
        EXPECT_EQ(toolkit.notifyCalls.size(), 2u);
    }
    // A new session: mappings do not outlive the old one, the table file does.
    void Restart() {
        const auto mappings = os.Mappings();
        for (const auto& mapping : mappings) {
            os.Subst({std::string{mapping.first, ':'}, "/d"});
        }
        toolkit.messageBoxes.clear();
        Load();
    }
    // A mapping made outside the program.
    void Map(char letter, const std::string& folder) {
        os.AddFolder(folder);
        ASSERT_EQ(os.Subst({std::string{letter, ':'}, folder}), "");
    }
};

} // namespace kesto
