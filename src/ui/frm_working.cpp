// FrmWorking: the waiting window shown, centred over the main window, and hidden.
#include "ui/frm_working.h"

#include "ui/make_window.h"
#include "ui/working_names.h"

#include <cmath>

namespace kesto::ui {

platform::ScreenRect CentredOver(const platform::ScreenRect& owner,
                                 const platform::ScreenRect& window) {
    platform::ScreenRect centred = window;
    centred.left = static_cast<int>(
        std::lround((owner.width - window.width) / 2.0f + static_cast<float>(owner.left)));
    centred.top = static_cast<int>(
        std::lround((owner.height - window.height) / 2.0f + static_cast<float>(owner.top)));
    return centred;
}

void FrmWorking::Form_Load() {
    form_ = platform::FormOf<WorkingWindow>::Create(toolkit_, *this);
    Centre();
    SetTopmost(toolkit_, *form_, -1);
}

// Moved onto a screen of another density, the window takes another size: centred again with it.
void FrmWorking::Centre() {
    const platform::ScreenRect owner = mainWindow_.Bounds();
    platform::ScreenRect place = CentredOver(owner, form_->Bounds());
    form_->Move({place.left, place.top});
    const platform::ScreenRect landed = form_->Bounds();
    if (landed.width != place.width || landed.height != place.height) {
        place = CentredOver(owner, landed);
        form_->Move({place.left, place.top});
    }
}

void FrmWorking::SetView(const std::string& text) {
    if (!form_) {
        Form_Load();
    }
    form_.Find(lblView).SetText(text);
}

void FrmWorking::Show() {
    if (!form_) {
        Form_Load();
    }
    form_->Show();
    // Being shown does not always activate it (the main window may not be in front), yet it
    // must stand over the main window wherever that has moved.
    Centre();
}

void FrmWorking::Hide() {
    if (form_) {
        form_->Hide();
    }
}

} // namespace kesto::ui
