// TrayArea: the icon shown and hidden, its tip, a press on it, its return after the shell
// restarts.
#include "tray/tray_area.h"

#include <algorithm>
#include <cstring>

namespace kesto::tray {

namespace {
constexpr std::uint32_t kWmMouseMove = 512;
constexpr int kWmLButtonDown = 513;
constexpr int kWmRButtonDown = 516;
} // namespace

TrayArea::TrayArea(platform::Os& os, platform::Toolkit& toolkit,
                   std::function<platform::Handle()> mainIcon, std::function<void()> mouseDown,
                   std::uint32_t seed)
    : os_(os), toolkit_(toolkit), mainIcon_(std::move(mainIcon)), mouseDown_(std::move(mouseDown)),
      random_(seed) {}

TrayArea::~TrayArea() {
    toolkit_.ShellNotifyIcon(platform::kNimDelete, notifyData_);
}

// The tip, one NUL, then blanks up to the field's 64 characters; the shell reads ANSI bytes.
void TrayArea::WriteTip(const std::string& tip) {
    std::string field = tip.substr(0, sizeof notifyData_.szTip);
    if (field.size() < sizeof notifyData_.szTip) {
        field += '\0';
        field.resize(sizeof notifyData_.szTip, ' ');
    }
    const std::string ansi = os_.ToAnsi(field).value_or(std::string());
    std::memset(notifyData_.szTip, 0, sizeof notifyData_.szTip);
    std::memcpy(notifyData_.szTip, ansi.data(), std::min(ansi.size(), sizeof notifyData_.szTip));
}

void TrayArea::SetVisible(std::int16_t New_Visible) {
    if (New_Visible == visibleState_) {
        return;
    }
    visibleState_ = New_Visible;
    const platform::Handle trayIcon = mainIcon_();
    if (visibleState_ != 0) {
        // Made with the first icon, not with the program: the main window shows sooner.
        if (!window_) {
            window_ = toolkit_.CreateTrayWindow(*this);
        }
        notifyData_.cbSize = kNotifyDataSize;
        notifyData_.hWnd = window_->WindowHandle();
        notifyData_.uID = std::uniform_int_distribution<std::uint32_t>(1, 65535)(random_);
        notifyData_.uFlags = platform::kNifMessage | platform::kNifTip;
        if (trayIcon != 0) {
            notifyData_.uFlags |= platform::kNifIcon;
            notifyData_.hIcon = trayIcon;
        }
        WriteTip(toolkit_.AppTitle());
        notifyData_.uCallbackMessage = kWmMouseMove;
        toolkit_.ShellNotifyIcon(platform::kNimAdd, notifyData_);
    } else {
        toolkit_.ShellNotifyIcon(platform::kNimDelete, notifyData_);
    }
}

// The shell reports what happened on the icon as the x of a mouse move: only a press of the
// left or the right button brings the window back.
void TrayArea::OnMouseMove(int x) {
    if (x == kWmLButtonDown || x == kWmRButtonDown) {
        mouseDown_();
    }
}

// A restarted shell forgets every icon; without this a hidden window would have no way back.
void TrayArea::OnTaskbarCreated() {
    if (visibleState_ != 0) {
        toolkit_.ShellNotifyIcon(platform::kNimAdd, notifyData_);
    }
}

} // namespace kesto::tray
