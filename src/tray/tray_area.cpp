// TrayArea: the icon shown and hidden, its tip, its mouse messages, its return after the shell
// restarts.
#include "tray/tray_area.h"

#include <algorithm>
#include <cstring>

namespace kesto::tray {

namespace {
constexpr std::uint32_t kWmMouseMove = 512;

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
} // namespace

TrayArea::TrayArea(platform::Os& os, platform::Toolkit& toolkit,
                   std::function<platform::Handle()> mainIcon, TrayAreaEvents events,
                   std::uint32_t seed)
    : os_(os), toolkit_(toolkit), mainIcon_(std::move(mainIcon)), events_(std::move(events)),
      random_(seed), window_(toolkit.CreateTrayWindow(*this)) {}

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

void TrayArea::Changed(const std::string& property) {
    if (events_.PropertyChanged) {
        events_.PropertyChanged(property);
    }
}

void TrayArea::SetVisible(std::int16_t New_Visible) {
    if (New_Visible == visibleState_) {
        return;
    }
    visibleState_ = New_Visible;
    const platform::Handle trayIcon = mainIcon_();
    tipText_ = toolkit_.AppTitle();
    if (visibleState_ != 0) {
        notifyData_.cbSize = kNotifyDataSize;
        notifyData_.hWnd = window_->WindowHandle();
        notifyData_.uID = std::uniform_int_distribution<std::uint32_t>(1, 65535)(random_);
        notifyData_.uFlags = platform::kNifMessage;
        if (trayIcon != 0) {
            notifyData_.uFlags |= platform::kNifIcon;
            notifyData_.hIcon = trayIcon;
        }
        if (!tipText_.empty()) {
            notifyData_.uFlags |= platform::kNifTip;
            WriteTip(tipText_);
        }
        notifyData_.uCallbackMessage = kWmMouseMove;
        toolkit_.ShellNotifyIcon(platform::kNimAdd, notifyData_);
    } else {
        toolkit_.ShellNotifyIcon(platform::kNimDelete, notifyData_);
    }
    Changed("Visible");
}

void TrayArea::SetToolTip(const std::string& New_ToolTip) {
    tipText_ = Trim(New_ToolTip);
    notifyData_.uFlags = platform::kNifTip;
    WriteTip(tipText_);
    toolkit_.ShellNotifyIcon(platform::kNimModify, notifyData_);
    Changed("ToolTip");
}

void TrayArea::OnMouseMove(int x) {
    auto raise = [](const auto& event, auto... args) {
        if (event) {
            event(args...);
        }
    };
    switch (x) {
    case 512:
        raise(events_.MouseMove);
        break;
    case 513:
        raise(events_.MouseDown, std::int16_t{1});
        break;
    case 514:
        raise(events_.MouseUp, std::int16_t{1});
        break;
    case 515:
        raise(events_.DblClick);
        break;
    case 516:
        raise(events_.MouseDown, std::int16_t{2});
        break;
    case 517:
        raise(events_.MouseUp, std::int16_t{2});
        break;
    default:
        break;
    }
}

// A restarted shell forgets every icon; without this a hidden window would have no way back.
void TrayArea::OnTaskbarCreated() {
    if (visibleState_ != 0) {
        toolkit_.ShellNotifyIcon(platform::kNimAdd, notifyData_);
    }
}

} // namespace kesto::tray
