#include "app/main_form.h"

#include "ui/main_layout.h"
#include "ui/main_names.h"
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
    if (control == ui::cmdcreate.text) {
        cmdcreate_Click();
    } else if (control == ui::cmddele.text) {
        cmddele_Click();
    } else if (control == ui::CmdFindDirector.text) {
        CmdFindDirector_Click();
    } else if (control == ui::Opt1_0.text) {
        Opt1_Click(0);
    } else if (control == ui::Opt1_1.text) {
        Opt1_Click(1);
    } else if (control == ui::imgTitleHelp.text) {
        imgTitleHelp_Click();
    } else if (control == ui::imgTitleMinimize.text) {
        imgTitleMinimize_Click();
    } else if (control == ui::imgTitleClose.text) {
        imgTitleClose_Click();
    }
}

void MainForm::OnMouseDown(const std::string& control, int /*button*/) {
    if (control == ui::imgTitleLeft.text || control == ui::imgTitleMain.text ||
        control == ui::imgTitleRight.text || control == ui::lblTitle.text) {
        TitleMouseDown();
    }
}

void MainForm::OnMouseMove(const std::string& control, int buttons, int x, int y) {
    if (control == ui::listKesto.text) {
        listKesto_MouseMove(buttons, x, y);
    }
}

void MainForm::OnCloseRequest() {
    Unload();
}

} // namespace kesto::app
