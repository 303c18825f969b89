// An in-memory window toolkit: forms built from layout tables whose controls keep their state,
// scripted answers to message boxes, and a record of every window call.
#pragma once

#include "fakes/fault_plan.h"
#include "platform/toolkit.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kesto::fakes {

// A control of any kind: what the kinds have, kept as given. The layout says which kind it is;
// the names the program reaches controls by carry the kind and are checked where they are made.
class FakeControl final : public virtual platform::Label,
                          public virtual platform::TextBox,
                          public virtual platform::PushButton,
                          public virtual platform::GroupFrame,
                          public virtual platform::Picture,
                          public virtual platform::PictureButton,
                          public virtual platform::OptionButton,
                          public virtual platform::ListBox,
                          public virtual platform::DropDownList {
  public:
    FakeControl(const platform::ControlLayout& layout, platform::Handle handle);

    // A list's text is its selected item's; its own text is empty.
    std::string Text() const override { return listIndex_ < 0 ? text_ : List(listIndex_); }
    void SetText(const std::string& text) override { text_ = text; }
    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override { visible_ = visible; }
    void SetFocus() override { onFocus(layout_.name); }
    platform::Rect Place() const override { return place_; }
    void SetPlace(const platform::Rect& place) override { place_ = place; }
    void SetBackColor(platform::Rgb) override {}
    void SetToolTipText(const std::string& text) override { toolTip_ = text; }
    platform::Handle WindowHandle() const override { return handle_; }
    bool Checked() const override { return checked_; }
    // Checking one unchecks the others of its group.
    void SetChecked(bool checked) override;
    void Clear() override;
    void AddItem(const std::string& item) override { items_.push_back(item); }
    int ListCount() const override { return static_cast<int>(items_.size()); }
    std::string List(int index) const override {
        return items_.at(static_cast<std::size_t>(index));
    }
    int ListIndex() const override { return listIndex_; }
    void SetListIndex(int index) override { listIndex_ = index; }

    const platform::ControlLayout& Layout() const { return layout_; }
    const std::string& ToolTipText() const { return toolTip_; }
    const std::vector<std::string>& Items() const { return items_; }
    // Picks the item with this text, as a user would; false when there is none.
    bool Select(const std::string& item);
    // Set by the form: the control that last took the focus, the others of an option group.
    std::function<void(const std::string&)> onFocus;
    std::function<void(const FakeControl&)> onChecked;

  private:
    platform::ControlLayout layout_;
    platform::Handle handle_;
    std::string text_;
    bool visible_;
    platform::Rect place_;
    std::string toolTip_;
    bool checked_;
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

class FakeToolkit;

class FakeForm : public platform::Form {
  public:
    FakeForm(const platform::FormLayout& layout, platform::FormEvents& events, FakeToolkit& toolkit,
             platform::Handle handle);
    ~FakeForm() override;

    // Any window's names: a test may look into every form.
    template <class Kind, class Window>
    FakeControl& Find(platform::ControlName<Kind, Window> name) {
        return Named(name.text);
    }
    void Show() override;
    void Hide() override { visible_ = false; }
    bool Visible() const override { return visible_; }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    void SetWindowState(platform::WindowState) override {}
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    void SetBackColor(platform::Rgb) override {}
    platform::ScreenRect Bounds() const override;
    platform::Rect Area() const override { return {0, 0, width_, height_}; }
    // Takes the density of the screen that holds the window's middle.
    void Move(platform::ScreenPoint topLeft) override;
    platform::Handle WindowHandle() const override { return handle_; }
    platform::Handle IconHandle() const override { return layout_.appIcon ? handle_ + 1 : 0; }

    // What a user does. A click on an option button checks it first, as on an auto radio button.
    // A disabled form takes no clicks and no presses of a mouse button.
    template <class Kind, class Window> void Click(platform::ControlName<Kind, Window> control) {
        FakeControl& clicked = Named(control.text);
        if (enabled_) {
            Press(clicked, control.text);
        }
    }
    template <class Kind, class Window>
    void MouseDown(platform::ControlName<Kind, Window> control, int button) {
        Named(control.text);
        if (enabled_) {
            events_.OnMouseDown(control.text, button);
        }
    }
    template <class Kind, class Window>
    void MouseMove(platform::ControlName<Kind, Window> control, int buttons, int x, int y) {
        Named(control.text);
        events_.OnMouseMove(control.text, buttons, x, y);
    }
    void RequestClose() { events_.OnCloseRequest(); }
    // Runs at every Show(), before the form counts as visible.
    void OnShow(std::function<void()> hook) { onShow_ = std::move(hook); }
    // A click that was queued before the form was disabled and is dispatched all the same.
    template <class Kind, class Window>
    void QueuedClick(platform::ControlName<Kind, Window> control) {
        Press(Named(control.text), control.text);
    }

    const platform::FormLayout& Layout() const { return layout_; }
    const std::string& Caption() const { return caption_; }
    const std::string& FocusedControl() const { return focused_; }

  protected:
    platform::Control* Lookup(const std::string& name) override;

  private:
    friend class FakeToolkit;
    // Throws for a name that is not in the layout: the test is wrong.
    FakeControl& Named(const std::string& name) const;
    void Press(FakeControl& pressed, const std::string& control);
    // As the real form: option buttons in one group frame are one group.
    void UncheckGroup(const FakeControl& checked);

    platform::FormLayout layout_;
    platform::FormEvents& events_;
    FakeToolkit& toolkit_;
    platform::Handle handle_;
    std::function<void()> onShow_;
    std::map<std::string, std::unique_ptr<FakeControl>> controls_;
    bool visible_ = false;
    bool enabled_ = true;
    std::string caption_;
    platform::ScreenPoint topLeft_;
    // Outer size in layout pixels.
    int width_;
    int height_;
    int dpi_;
    std::string focused_;
};

struct MessageBoxRecord {
    std::string text;
    int style = 0;
};

struct WindowCall {
    std::string name;
    std::vector<std::intptr_t> arguments;
};

struct NotifyCall {
    std::uint32_t message = 0;
    platform::NotifyIconData data;
};

struct FakeScreen {
    platform::ScreenRect area;
    int dpi = 96;
};

// The user32, gdi32 and shell32 calls fail as planned by FaultPlan, by the names windowCalls
// records (and "ShellNotifyIcon"): they then return zero.
class FakeToolkit : public platform::Toolkit, public FaultPlan {
  public:
    const std::string& AppTitle() const override { return appTitle; }
    std::unique_ptr<platform::Form> CreateForm(const platform::FormLayout& layout,
                                               platform::FormEvents& events) override;
    std::unique_ptr<platform::TrayWindow>
    CreateTrayWindow(platform::TrayWindowEvents& events) override;
    int MsgBox(const std::string& text, int style) override;
    void DoEvents() override;
    void Run() override {}
    void Quit() override { ++quits; }
    bool SetWindowPos(platform::Handle window, platform::Handle insertAfter, int x, int y, int cx,
                      int cy, std::uint32_t flags) override;
    platform::Handle CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth,
                                        int ellipseHeight) override;
    int SetWindowRgn(platform::Handle window, platform::Handle region, bool redraw) override;
    bool ReleaseCapture() override;
    std::intptr_t SendMessageA(platform::Handle window, std::uint32_t message,
                               std::uintptr_t wParam, std::intptr_t lParam) override;
    bool SetForegroundWindow(platform::Handle window) override;
    bool ShellNotifyIcon(std::uint32_t message, const platform::NotifyIconData& data) override;

    // The live form of that name, or null.
    FakeForm* Form(const std::string& name) const;
    // Regions made and not yet handed to SetWindowRgn, which takes them in every case.
    const std::vector<platform::Handle>& RegionsHeld() const { return regionsHeld_; }
    // The shell's side of the tray window.
    platform::TrayWindowEvents* Tray() const { return trayEvents_; }

    // What the program hands the real toolkit.
    std::string appTitle = "Tarvel";
    // Answers given to message boxes, first first; when none is left, Yes or OK.
    std::deque<int> answers;
    // Runs inside each message box, before it is answered, and inside each pass of events.
    std::function<void(const MessageBoxRecord&)> onMessageBox;
    std::function<void()> onDoEvents;
    std::vector<MessageBoxRecord> messageBoxes;
    std::vector<WindowCall> windowCalls;
    std::vector<NotifyCall> notifyCalls;
    // The primary screen first: forms open centred on it.
    std::vector<FakeScreen> screens{{{0, 0, 1024, 768}, 96}};
    int quits = 0;
    // List entries are this many pixels high for LB_ITEMFROMPOINT.
    static constexpr int kItemHeight = 16;

  private:
    friend class FakeForm;
    FakeControl* ControlByHandle(platform::Handle handle) const;
    // Records a window call; true when it is to fail.
    bool Record(WindowCall call);

    int DpiAt(platform::ScreenPoint point) const;

    std::vector<FakeForm*> forms_;
    std::vector<platform::Handle> regionsHeld_;
    platform::TrayWindowEvents* trayEvents_ = nullptr;
    platform::Handle nextHandle_ = 0x10000;
};

} // namespace kesto::fakes
