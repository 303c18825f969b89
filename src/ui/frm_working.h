// FrmWorking: the small always-on-top window that stands over the main window while a subst
// command runs. Loaded at its first use, hidden between uses, unloaded with the main window.
#pragma once

#include "platform/toolkit.h"
#include "ui/working_names.h"

#include <string>

namespace kesto::ui {

// Where a window goes to stand centred over `owner` (outer rectangles, frames included).
platform::ScreenRect CentredOver(const platform::ScreenRect& owner,
                                 const platform::ScreenRect& window);

class FrmWorking : private platform::FormEvents {
  public:
    FrmWorking(platform::Toolkit& toolkit, platform::Form& mainWindow)
        : toolkit_(toolkit), mainWindow_(mainWindow) {}

    // Sets the caption of lblView, loading the window first when needed.
    void SetView(const std::string& text);
    void Show();
    void Hide();
    void Unload() { form_.reset(); }
    bool Loaded() const { return static_cast<bool>(form_); }

  private:
    void Form_Load();
    void Centre();
    void OnActivate() override { Centre(); }
    void OnCloseRequest() override { Hide(); }

    platform::Toolkit& toolkit_;
    platform::Form& mainWindow_;
    platform::FormOf<WorkingWindow> form_;
};

} // namespace kesto::ui
