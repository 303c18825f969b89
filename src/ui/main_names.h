// The controls of the main window frmMain by name and kind; its layout is built from these.
#pragma once

#include "platform/toolkit.h"
#include "ui/main_layout.h"

#include <array>
#include <string_view>

namespace kesto::ui {

// Tags the main window's names and its form, so that they go only with each other.
struct MainWindow {
    static const platform::FormLayout& Layout() { return MainFormLayout(); }
    // Every control in the window's layout table; a name not listed here does not build.
    static constexpr std::array<std::string_view, 24> kControlNames{
        "lblTitle",
        "imgTitleHelp",
        "imgTitleMinimize",
        "imgTitleClose",
        "Frame1",
        "Opt1(1)",
        "CmbBusyDisk",
        "Opt1(0)",
        "TxtDirector",
        "CmdFindDirector",
        "lbls(1)",
        "CmbFreedisk",
        "cmdcreate",
        "Frame2",
        "listKesto",
        "cmddele",
        "imgTitleLeft",
        "imgTitleRight",
        "imgWindowBottomLeft",
        "imgWindowBottomRight",
        "imgTitleMain",
        "imgWindowBottom",
        "imgWindowLeft",
        "imgWindowRight",
    };
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
