// What the user sees right after the start, and what screen readers find there: every control
// that has a window shows in it what the layout table gives it, with the class and type by which
// the system's accessibility proxies name it, in the order the window reads. Wine has no such
// proxies, so the controls are read here as they would read them, from another process.
#include "kesto_test.h"

#include "ui/main_names.h"

#include <map>

namespace kesto::e2e {

namespace {

using platform::ControlKind;
using uidriver::Rect;
using uidriver::Window;

using ScreenReaders = LaunchedKestoTest;

struct Role {
    const char* className;
    LONG_PTR typeMask; // SS_TYPEMASK of a static, BS_TYPEMASK of a button, 0 for the rest
    LONG_PTR type;
};

// Every kind but the skin's pictures, which the window paints and which have no window.
const std::map<ControlKind, Role> kRoles = {
    {ControlKind::Label, {"Static", SS_TYPEMASK, SS_LEFT}},
    {ControlKind::TextBox, {"Edit", 0, 0}},
    {ControlKind::DropDownList, {"ComboBox", 0, 0}},
    {ControlKind::ListBox, {"ListBox", 0, 0}},
    {ControlKind::OptionButton, {"Button", BS_TYPEMASK, BS_AUTORADIOBUTTON}},
    {ControlKind::GroupFrame, {"Button", BS_TYPEMASK, BS_GROUPBOX}},
    {ControlKind::PictureButton, {"Button", BS_TYPEMASK, BS_OWNERDRAW}},
    {ControlKind::PushButton, {"Button", BS_TYPEMASK, BS_PUSHBUTTON}},
};

// The proxies name a list that has no text of its own after the label just above it in the
// stacking order, so the windows stand in the table's order, which is the order the window reads.
// What the window paints itself has a window all the same, for other programs to read, and that
// window changes no pixel: with it hidden the window paints the same itself.
TEST_F(ScreenReaders, FindEveryControlAsItsLayoutHasItInReadingOrderOverWhatTheWindowPaints) {
    std::map<HWND, std::string> shown;
    std::vector<std::string> expectedOrder;
    std::vector<Window> painted;
    for (const platform::ControlLayout& entry : ui::MainWindow::Layout().controls) {
        if (entry.kind == ControlKind::Picture) {
            continue;
        }
        SCOPED_TRACE(entry.name);
        const Window control = Main().Control(entry.name);
        const Role& role = kRoles.at(entry.kind);
        EXPECT_EQ(lstrcmpiA(control.ClassName().c_str(), role.className), 0) << control.ClassName();
        EXPECT_EQ(control.Style() & role.typeMask, role.type);
        const bool list =
            entry.kind == ControlKind::ListBox || entry.kind == ControlKind::DropDownList;
        if (!list) {
            EXPECT_EQ(control.Text(), entry.text);
        }
        EXPECT_EQ(control.Visible(), entry.visible);
        if (entry.kind == ControlKind::OptionButton) {
            EXPECT_EQ(control.Checked(), entry.checked);
        }
        // What the window paints itself the tab order leaves alone.
        if (entry.kind == ControlKind::Label || entry.kind == ControlKind::GroupFrame ||
            entry.kind == ControlKind::PictureButton) {
            EXPECT_EQ(control.Style() & WS_TABSTOP, 0);
            painted.push_back(control);
        }
        EXPECT_EQ(control.RectIn(Main().Frame()), Main().Place(entry.name));
        if (entry.visible) {
            shown[control.Handle()] = entry.name;
            expectedOrder.push_back(entry.name);
        }
    }
    std::vector<std::string> order;
    for (HWND child = GetWindow(Main().Frame().Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && shown.contains(child)) {
            order.push_back(shown[child]);
        }
    }
    EXPECT_EQ(order, expectedOrder);

    const Rect area = Main().Frame().ScreenRect();
    const std::optional<uidriver::Image> before = uidriver::CaptureSettled(area, 5s);
    ASSERT_TRUE(before) << "the window never finished painting";
    for (const Window& control : painted) {
        ShowWindow(control.Handle(), SW_HIDE);
    }
    EXPECT_EQ(uidriver::PixelsUnlike(*before, area, 3s), 0);
    SaveScreenshot("main-window-without-control-windows", area);
    for (const Window& control : painted) {
        ShowWindow(control.Handle(), SW_SHOWNA);
    }
}

} // namespace

} // namespace kesto::e2e
