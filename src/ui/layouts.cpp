// The layout tables of frmMain and frmWorking: every control's kind, place and text.
#include "ui/main_names.h"
#include "ui/res/resource_ids.h"
#include "ui/working_names.h"

namespace kesto::ui {

using platform::ControlLayout;
using platform::FormLayout;

namespace {

// The kind comes from the name's type, so that the table cannot disagree with the code.
template <class Kind, class Window>
ControlLayout Make(platform::ControlName<Kind, Window> name, const char* text,
                   platform::Rect place) {
    ControlLayout layout;
    layout.name = name.text;
    layout.kind = Kind::kKind;
    layout.text = text;
    layout.place = place;
    return layout;
}

template <class Kind>
ControlLayout Make(Name<Kind> name, Name<platform::GroupFrame> parent, const char* text,
                   platform::Rect place) {
    ControlLayout layout = Make(name, text, place);
    layout.parent = parent.text;
    return layout;
}

ControlLayout SkinPicture(Name<platform::Picture> name, int bitmap, platform::Rect place,
                          bool stretch) {
    ControlLayout layout = Make(name, "", place);
    layout.bitmap = bitmap;
    layout.stretch = stretch;
    return layout;
}

// Its text names the command for other programs; the window shows only the picture.
ControlLayout TitleButton(Name<platform::PictureButton> name, int bitmap, const char* text,
                          platform::Rect place) {
    ControlLayout layout = Make(name, text, place);
    layout.bitmap = bitmap;
    return layout;
}

FormLayout BuildMainForm() {
    FormLayout form;
    form.name = "frmMain";
    form.caption = kAppTitle;
    form.clientWidth = 356;
    form.clientHeight = 408;
    form.frame = platform::FrameStyle::None;
    form.appIcon = true;

    // In the order a user reads the window, which is also the order in which screen readers
    // meet the controls and by which they name a list after the label before it. Painted
    // controls made earlier lie on top of those made later.
    auto& c = form.controls;
    c.push_back(Make(lblTitle, kAppTitle, {16, 8, 136, 16}));
    c.back().transparent = true;
    c.back().titleFont = true;
    c.push_back(TitleButton(imgTitleHelp, KESTO_IDB_TITLE_HELP, "帮助", {280, 8, 13, 13}));
    c.push_back(
        TitleButton(imgTitleMinimize, KESTO_IDB_TITLE_MINIMIZE, "最小化", {304, 8, 13, 13}));
    c.push_back(TitleButton(imgTitleClose, KESTO_IDB_TITLE_CLOSE, "关闭", {328, 8, 13, 13}));
    c.push_back(Make(Frame1, "新建虚拟分区", {18, 50, 315, 115}));
    c.push_back(Make(Opt1_1, Frame1, "在已有分区中新建分区", {10, 26, 143, 17}));
    c.back().checked = true;
    c.push_back(Make(CmbBusyDisk, Frame1, "", {156, 26, 65, 20}));
    c.push_back(Make(Opt1_0, Frame1, "将文件夹模拟为新分区", {10, 52, 141, 17}));
    c.push_back(Make(TxtDirector, Frame1, "", {156, 52, 115, 17}));
    c.back().visible = false;
    c.push_back(Make(CmdFindDirector, Frame1, "浏览", {274, 52, 35, 17}));
    c.back().visible = false;
    c.push_back(Make(lbls_1, Frame1, "新建虚拟分区使用的盘符：", {8, 90, 145, 17}));
    c.back().transparent = true;
    c.push_back(Make(CmbFreedisk, Frame1, "", {152, 88, 67, 20}));
    c.push_back(Make(cmdcreate, Frame1, "新建分区", {228, 84, 83, 25}));
    c.push_back(Make(Frame2, "已有虚拟分区", {16, 174, 319, 213}));
    c.push_back(Make(listKesto, Frame2, "", {10, 24, 299, 148}));
    c.push_back(Make(cmddele, Frame2, "移除选中的虚拟硬盘", {104, 180, 129, 25}));
    c.push_back(SkinPicture(imgTitleLeft, KESTO_IDB_TITLE_LEFT, {0, 0, 19, 30}, false));
    c.push_back(SkinPicture(imgTitleRight, KESTO_IDB_TITLE_RIGHT, {336, 0, 19, 30}, false));
    c.push_back(
        SkinPicture(imgWindowBottomLeft, KESTO_IDB_WINDOW_BOTTOM_LEFT, {0, 376, 19, 30}, false));
    c.push_back(SkinPicture(imgWindowBottomRight, KESTO_IDB_WINDOW_BOTTOM_RIGHT, {336, 376, 19, 30},
                            false));
    c.push_back(SkinPicture(imgTitleMain, KESTO_IDB_TITLE_MAIN, {16, 0, 323, 30}, true));
    c.push_back(SkinPicture(imgWindowBottom, KESTO_IDB_WINDOW_BOTTOM, {16, 376, 323, 30}, true));
    c.push_back(SkinPicture(imgWindowLeft, KESTO_IDB_WINDOW_LEFT, {0, 24, 19, 358}, true));
    c.push_back(SkinPicture(imgWindowRight, KESTO_IDB_WINDOW_RIGHT, {336, 24, 19, 358}, true));

    form.tabOrder = {lblTitle.text, Frame2.text,          cmddele.text,     listKesto.text,
                     Frame1.text,   cmdcreate.text,       CmbBusyDisk.text, Opt1_1.text,
                     Opt1_0.text,   CmdFindDirector.text, TxtDirector.text, CmbFreedisk.text,
                     lbls_1.text};
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
    form.controls.push_back(Make(lblView, "正在添加磁盘，请稍候……", {20, 12, 175, 17}));
    return form;
}

} // namespace

const FormLayout& MainWindow::Layout() {
    static const FormLayout layout = BuildMainForm();
    return layout;
}

const FormLayout& WorkingWindow::Layout() {
    static const FormLayout layout = BuildWorkingForm();
    return layout;
}

} // namespace kesto::ui
