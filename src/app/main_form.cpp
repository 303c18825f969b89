#include "app/main_form.h"

#include "ui/main_layout.h"
#include "ui/make_window.h"

namespace kesto::app {

MainForm::MainForm(platform::Os& os, platform::Toolkit& toolkit)
    : os_(os), toolkit_(toolkit), form_(toolkit.CreateForm(ui::MainFormLayout(), *this)),
      FrmWorking_(std::make_unique<ui::FrmWorking>(toolkit, *form_)) {
    tray::TrayAreaEvents trayEvents;
    trayEvents.MouseDown = [this](std::int16_t button) { TrayArea1_MouseDown(button); };
    TrayArea1_ = std::make_unique<tray::TrayArea>(
        os, toolkit, [this] { return form_->IconHandle(); }, std::move(trayEvents));
}

MainForm::~MainForm() {
    if (Loaded()) {
        Form_Unload();
    }
}

void MainForm::OnClick(const std::string& control) {
    if (control == "cmdcreate") {
        cmdcreate_Click();
    } else if (control == "cmddele") {
        cmddele_Click();
    } else if (control == "CmdFindDirector") {
        CmdFindDirector_Click();
    } else if (control == "Opt1(0)") {
        Opt1_Click(0);
    } else if (control == "Opt1(1)") {
        Opt1_Click(1);
    } else if (control == "imgTitleHelp") {
        imgTitleHelp_Click();
    } else if (control == "imgTitleMinimize") {
        imgTitleMinimize_Click();
    } else if (control == "imgTitleClose") {
        imgTitleClose_Click();
    }
}

void MainForm::OnMouseDown(const std::string& control, int /*button*/) {
    if (control == "imgTitleLeft" || control == "imgTitleMain" || control == "imgTitleRight" ||
        control == "lblTitle") {
        TitleMouseDown();
    }
}

void MainForm::OnMouseMove(const std::string& control, int buttons, int x, int y) {
    if (control == "listKesto") {
        listKesto_MouseMove(buttons, x, y);
    }
}

void MainForm::OnCloseRequest() {
    Unload();
}

} // namespace kesto::app
