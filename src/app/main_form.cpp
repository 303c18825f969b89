// frmMain's life and the tables that route the window's events to their handlers.
#include "app/main_form.h"

#include "ui/main_names.h"
#include "ui/make_window.h"

#include <cstddef>
#include <type_traits>

namespace kesto::app {

namespace {

// The name of a main-window control of one of Kinds: a control of another kind, which never
// raises the event, does not build.
template <class... Kinds> struct RaisedBy {
    template <class Kind>
    requires(std::is_same_v<Kind, Kinds> || ...) constexpr RaisedBy(ui::Name<Kind> name)
        : text(name.text) {}
    const char* text;
};

struct ClickHandler {
    RaisedBy<platform::PushButton, platform::PictureButton, platform::OptionButton> control;
    void (*handler)(MainForm&);
};

constexpr ClickHandler kClicks[] = {
    {ui::cmdcreate, [](MainForm& form) { form.cmdcreate_Click(); }},
    {ui::cmddele, [](MainForm& form) { form.cmddele_Click(); }},
    {ui::CmdFindDirector, [](MainForm& form) { form.CmdFindDirector_Click(); }},
    {ui::Opt1_0, [](MainForm& form) { form.Opt1_Click(0); }},
    {ui::Opt1_1, [](MainForm& form) { form.Opt1_Click(1); }},
    {ui::imgTitleHelp, [](MainForm& form) { form.imgTitleHelp_Click(); }},
    {ui::imgTitleMinimize, [](MainForm& form) { form.imgTitleMinimize_Click(); }},
    {ui::imgTitleClose, [](MainForm& form) { form.imgTitleClose_Click(); }},
};

// Where a press starts dragging the window.
struct TitleDrag {
    RaisedBy<platform::Picture, platform::Label> control;
};

constexpr TitleDrag kTitleDrags[] = {
    {ui::imgTitleLeft}, {ui::imgTitleMain}, {ui::imgTitleRight}, {ui::lblTitle}};

constexpr RaisedBy<platform::ListBox> kListMouseMove{ui::listKesto};

template <class Entry, std::size_t N>
const Entry* EntryFor(const Entry (&table)[N], const std::string& control) {
    for (const Entry& entry : table) {
        if (control == entry.control.text) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace

MainForm::MainForm(platform::Os& os, platform::Toolkit& toolkit)
    : os_(os), toolkit_(toolkit), form_(platform::FormOf<ui::MainWindow>::Create(toolkit, *this)),
      FrmWorking_(std::make_unique<ui::FrmWorking>(toolkit, *form_)) {
    TrayArea1_ = std::make_unique<tray::TrayArea>(
        os, toolkit, [this] { return form_->IconHandle(); }, [this] { TrayArea1_MouseDown(); });
}

MainForm::~MainForm() {
    if (Loaded()) {
        Form_Unload();
    }
}

void MainForm::OnClick(const std::string& control) {
    if (const auto* entry = EntryFor(kClicks, control)) {
        entry->handler(*this);
    }
}

void MainForm::OnMouseDown(const std::string& control, int /*button*/) {
    if (EntryFor(kTitleDrags, control) != nullptr) {
        TitleMouseDown();
    }
}

void MainForm::OnMouseMove(const std::string& control, int buttons, int x, int y) {
    if (control == kListMouseMove.text) {
        listKesto_MouseMove(buttons, x, y);
    }
}

void MainForm::OnCloseRequest() {
    Unload();
}

} // namespace kesto::app
