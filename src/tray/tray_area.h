// TrayArea: owns the program's icon in the notification area and reports mouse activity on it.
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

struct TrayAreaEvents {
    std::function<void()> MouseMove;
    std::function<void(std::int16_t button)> MouseDown; // 1 left, 2 right
    std::function<void(std::int16_t button)> MouseUp;
    std::function<void()> DblClick;
    // The container is told after each property write.
    std::function<void(const std::string& property)> PropertyChanged;
};

class TrayArea : private platform::TrayWindowEvents {
  public:
    // `mainIcon` gives the main window's icon when the icon is added.
    TrayArea(platform::Os& os, platform::Toolkit& toolkit,
             std::function<platform::Handle()> mainIcon, TrayAreaEvents events,
             std::uint32_t seed = std::random_device{}());
    ~TrayArea();
    TrayArea(const TrayArea&) = delete;
    TrayArea& operator=(const TrayArea&) = delete;

    void SetVisible(std::int16_t New_Visible);
    void SetToolTip(const std::string& New_ToolTip);

    const platform::NotifyIconData& NotifyData() const { return notifyData_; }

  private:
    void OnMouseMove(int x) override;
    void OnTaskbarCreated() override;
    void WriteTip(const std::string& tip);
    void Changed(const std::string& property);

    platform::Os& os_;
    platform::Toolkit& toolkit_;
    std::function<platform::Handle()> mainIcon_;
    TrayAreaEvents events_;
    std::mt19937 random_;
    std::unique_ptr<platform::TrayWindow> window_;
    platform::NotifyIconData notifyData_{};
    std::int16_t visibleState_ = 0;
    std::string tipText_;
};

} // namespace kesto::tray
