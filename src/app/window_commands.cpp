// The title bar's buttons, the window drag, the list's tool tip and the tray icon's click.
#include "app/main_form.h"

#include "ui/main_names.h"
#include "ui/make_window.h"
#include "ui/title_bar.h"

namespace kesto::app {

void MainForm::imgTitleHelp_Click() {
    ui::OpenHelp(os_, paths_.appPath);
}

void MainForm::imgTitleMinimize_Click() {
    form_->SetWindowState(platform::WindowState::Minimized);
}

void MainForm::TitleMouseDown() {
    ui::DragWindow(toolkit_, *form_);
}

void MainForm::listKesto_MouseMove(int button, int x, int y) {
    ui::ShowEntryUnderPointer(toolkit_, Control(ui::listKesto), button, x, y);
}

void MainForm::TrayArea1_MouseDown() {
    form_->Show();
    form_->SetWindowState(platform::WindowState::Normal);
    toolkit_.SetForegroundWindow(form_->WindowHandle());
}

} // namespace kesto::app
