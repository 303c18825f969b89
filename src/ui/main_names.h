// The controls of the main window frmMain by name and kind; its layout is built from these.
#pragma once

#include "platform/toolkit.h"
#include "ui/res/resource_ids.h"

#include <array>
#include <string_view>

namespace kesto::ui {

// The application's title: the window's caption and lblTitle's text; the toolkit is handed it
// for message boxes and the tray icon's tip.
inline constexpr char kAppTitle[] = KESTO_APP_TITLE;

// Tags the main window's names and its form, so that they go only with each other.
struct MainWindow {
    // Every control in creation order, children of Frame1 and Frame2 placed relative to their
    // group; pixels at 96 dots per inch.
    static const platform::FormLayout& Layout();
    // Every control in the window's layout table; no other name or kind builds.
    static constexpr std::array<platform::ListedControl, 24> kControls{{
        {"lblTitle", platform::ControlKind::Label},
        {"imgTitleHelp", platform::ControlKind::PictureButton},
        {"imgTitleMinimize", platform::ControlKind::PictureButton},
        {"imgTitleClose", platform::ControlKind::PictureButton},
        {"Frame1", platform::ControlKind::GroupFrame},
        {"Opt1(1)", platform::ControlKind::OptionButton},
        {"CmbBusyDisk", platform::ControlKind::DropDownList},
        {"Opt1(0)", platform::ControlKind::OptionButton},
        {"TxtDirector", platform::ControlKind::TextBox},
        {"CmdFindDirector", platform::ControlKind::PushButton},
        {"lbls(1)", platform::ControlKind::Label},
        {"CmbFreedisk", platform::ControlKind::DropDownList},
        {"cmdcreate", platform::ControlKind::PushButton},
        {"Frame2", platform::ControlKind::GroupFrame},
        {"listKesto", platform::ControlKind::ListBox},
        {"cmddele", platform::ControlKind::PushButton},
        {"imgTitleLeft", platform::ControlKind::Picture},
        {"imgTitleRight", platform::ControlKind::Picture},
        {"imgWindowBottomLeft", platform::ControlKind::Picture},
        {"imgWindowBottomRight", platform::ControlKind::Picture},
        {"imgTitleMain", platform::ControlKind::Picture},
        {"imgWindowBottom", platform::ControlKind::Picture},
        {"imgWindowLeft", platform::ControlKind::Picture},
        {"imgWindowRight", platform::ControlKind::Picture},
    }};
};

template <class Kind> using Name = platform::ControlName<Kind, MainWindow>;

inline constexpr Name<platform::Label> lblTitle{"lblTitle"};
inline constexpr Name<platform::PictureButton> imgTitleHelp{"imgTitleHelp"};
inline constexpr Name<platform::PictureButton> imgTitleMinimize{"imgTitleMinimize"};
inline constexpr Name<platform::PictureButton> imgTitleClose{"imgTitleClose"};
inline constexpr Name<platform::GroupFrame> Frame1{"Frame1"};
inline constexpr Name<platform::OptionButton> Opt1_1{"Opt1(1)"};
inline constexpr Name<platform::DropDownList> CmbBusyDisk{"CmbBusyDisk"};
inline constexpr Name<platform::OptionButton> Opt1_0{"Opt1(0)"};
inline constexpr Name<platform::TextBox> TxtDirector{"TxtDirector"};
inline constexpr Name<platform::PushButton> CmdFindDirector{"CmdFindDirector"};
inline constexpr Name<platform::Label> lbls_1{"lbls(1)"};
inline constexpr Name<platform::DropDownList> CmbFreedisk{"CmbFreedisk"};
inline constexpr Name<platform::PushButton> cmdcreate{"cmdcreate"};
inline constexpr Name<platform::GroupFrame> Frame2{"Frame2"};
inline constexpr Name<platform::ListBox> listKesto{"listKesto"};
inline constexpr Name<platform::PushButton> cmddele{"cmddele"};
inline constexpr Name<platform::Picture> imgTitleLeft{"imgTitleLeft"};
inline constexpr Name<platform::Picture> imgTitleRight{"imgTitleRight"};
inline constexpr Name<platform::Picture> imgWindowBottomLeft{"imgWindowBottomLeft"};
inline constexpr Name<platform::Picture> imgWindowBottomRight{"imgWindowBottomRight"};
inline constexpr Name<platform::Picture> imgTitleMain{"imgTitleMain"};
inline constexpr Name<platform::Picture> imgWindowBottom{"imgWindowBottom"};
inline constexpr Name<platform::Picture> imgWindowLeft{"imgWindowLeft"};
inline constexpr Name<platform::Picture> imgWindowRight{"imgWindowRight"};

} // namespace kesto::ui
