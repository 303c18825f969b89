#include "ui/main_layout.h"

namespace kesto::ui {

using platform::ControlKind;
using platform::ControlLayout;
using platform::FormLayout;
using platform::Picture;

namespace {

ControlLayout Make(const char* name, ControlKind kind, const char* parent, const char* text,
                   platform::Rect place) {
    ControlLayout layout;
    layout.name = name;
    layout.kind = kind;
    layout.parent = parent;
    layout.text = text;
    layout.place = place;
    return layout;
}

ControlLayout SkinPicture(const char* name, Picture picture, platform::Rect place, bool stretch) {
    ControlLayout layout = Make(name, ControlKind::Picture, "", "", place);
    layout.picture = picture;
    layout.stretch = stretch;
    return layout;
}

ControlLayout TitleButton(const char* name, Picture picture, const char* text,
                          platform::Rect place) {
    ControlLayout layout = SkinPicture(name, picture, place, false);
    layout.text = text;
    return layout;
}

FormLayout BuildMainForm() {
    FormLayout form;
    form.name = "frmMain";
    form.caption = "Tarvel";
    form.clientWidth = 356;
    form.clientHeight = 408;
    form.frame = platform::FrameStyle::None;
    form.appIcon = true;

    // In the order a user reads the window, which is also the order in which screen readers
    // meet the controls and by which they name a list after the label before it. Painted
    // controls made earlier lie on top of those made later.
    auto& c = form.controls;
    c.push_back(Make("lblTitle", ControlKind::Label, "", "Tarvel", {16, 8, 136, 16}));
    c.back().transparent = true;
    c.back().titleFont = true;
    c.push_back(TitleButton("imgTitleHelp", Picture::TitleHelp, "帮助", {280, 8, 13, 13}));
    c.push_back(
        TitleButton("imgTitleMinimize", Picture::TitleMinimize, "最小化", {304, 8, 13, 13}));
    c.push_back(TitleButton("imgTitleClose", Picture::TitleClose, "关闭", {328, 8, 13, 13}));
    c.push_back(Make("Frame1", ControlKind::GroupFrame, "", "新建虚拟分区", {18, 50, 315, 115}));
    c.push_back(Make("Opt1(1)", ControlKind::OptionButton, "Frame1", "在已有分区中新建分区",
                     {10, 26, 143, 17}));
    c.back().checked = true;
    c.push_back(Make("CmbBusyDisk", ControlKind::DropDownList, "Frame1", "", {156, 26, 65, 20}));
    c.push_back(Make("Opt1(0)", ControlKind::OptionButton, "Frame1", "将文件夹模拟为新分区",
                     {10, 52, 141, 17}));
    c.push_back(Make("TxtDirector", ControlKind::TextBox, "Frame1", "", {156, 52, 115, 17}));
    c.back().visible = false;
    c.push_back(
        Make("CmdFindDirector", ControlKind::PushButton, "Frame1", "浏览", {274, 52, 35, 17}));
    c.back().visible = false;
    c.push_back(Make("lbls(1)", ControlKind::Label, "Frame1", "新建虚拟分区使用的盘符：",
                     {8, 90, 145, 17}));
    c.back().transparent = true;
    c.push_back(Make("CmbFreedisk", ControlKind::DropDownList, "Frame1", "", {152, 88, 67, 20}));
    c.push_back(
        Make("cmdcreate", ControlKind::PushButton, "Frame1", "新建分区", {228, 84, 83, 25}));
    c.push_back(Make("Frame2", ControlKind::GroupFrame, "", "已有虚拟分区", {16, 174, 319, 213}));
    c.push_back(Make("listKesto", ControlKind::ListBox, "Frame2", "", {10, 24, 299, 148}));
    c.push_back(Make("cmddele", ControlKind::PushButton, "Frame2", "移除选中的虚拟硬盘",
                     {104, 180, 129, 25}));
    c.push_back(SkinPicture("imgTitleLeft", Picture::TitleLeft, {0, 0, 19, 30}, false));
    c.push_back(SkinPicture("imgTitleRight", Picture::TitleRight, {336, 0, 19, 30}, false));
    c.push_back(
        SkinPicture("imgWindowBottomLeft", Picture::WindowBottomLeft, {0, 376, 19, 30}, false));
    c.push_back(
        SkinPicture("imgWindowBottomRight", Picture::WindowBottomRight, {336, 376, 19, 30}, false));
    c.push_back(SkinPicture("imgTitleMain", Picture::TitleMain, {16, 0, 323, 30}, true));
    c.push_back(SkinPicture("imgWindowBottom", Picture::WindowBottom, {16, 376, 323, 30}, true));
    c.push_back(SkinPicture("imgWindowLeft", Picture::WindowLeft, {0, 24, 19, 358}, true));
    c.push_back(SkinPicture("imgWindowRight", Picture::WindowRight, {336, 24, 19, 358}, true));

    form.tabOrder = {"lblTitle",    "Frame2",      "cmddele", "listKesto", "Frame1",
                     "cmdcreate",   "CmbBusyDisk", "Opt1(1)", "Opt1(0)",   "CmdFindDirector",
                     "TxtDirector", "CmbFreedisk", "lbls(1)"};
    return form;
}

FormLayout BuildWorkingForm() {
    FormLayout form;
    form.name = "FrmWorking";
    form.caption = "工作中……";
    form.clientWidth = 199;
    form.clientHeight = 41;
    form.frame = platform::FrameStyle::ToolWindow;
    // Wide enough for the removal text on one line in the interface font (14 characters of 12
    // pixels); at 161 pixels its end was cut off.
    form.controls.push_back(
        Make("lblView", ControlKind::Label, "", "正在添加磁盘，请稍候……", {20, 12, 175, 17}));
    return form;
}

} // namespace

const FormLayout& MainFormLayout() {
    static const FormLayout layout = BuildMainForm();
    return layout;
}

const FormLayout& WorkingFormLayout() {
    static const FormLayout layout = BuildWorkingForm();
    return layout;
}

} // namespace kesto::ui
