// TrayArea: owns the program's icon in the notification area and reports a press on it.
#pragma once

#include "platform/os.h"
#include "platform/toolkit.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>

namespace kesto::tray {

// The first-version NOTIFYICONDATAA as a 32-bit program lays it out; the backend maps it to the
// platform's own first-version size.
inline constexpr std::uint32_t kNotifyDataSize = 88;

class TrayArea : private platform::TrayWindowEvents {
  public:
    // `mainIcon` gives the main window's icon when the icon is added; `mouseDown` is called when
    // the left or the right button is pressed on the icon.
    TrayArea(platform::Os& os, platform::Toolkit& toolkit,
             std::function<platform::Handle()> mainIcon, std::function<void()> mouseDown,
             std::uint32_t seed = std::random_device{}());
    ~TrayArea();
    TrayArea(const TrayArea&) = delete;
    TrayArea& operator=(const TrayArea&) = delete;

    void SetVisible(std::int16_t New_Visible);

  private:
    void OnMouseMove(int x) override;
    void OnTaskbarCreated() override;
    void WriteTip(const std::string& tip);

    platform::Os& os_;
    platform::Toolkit& toolkit_;
    std::function<platform::Handle()> mainIcon_;
    std::function<void()> mouseDown_;
    std::mt19937 random_;
    std::unique_ptr<platform::TrayWindow> window_;
    platform::NotifyIconData notifyData_{};
    std::int16_t visibleState_ = 0;
};

} // namespace kesto::tray
