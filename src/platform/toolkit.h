// Portable interface to the window toolkit: forms built from layout tables, controls reached by
// typed name, message boxes, one pass of pending events, and the few user32/gdi32/shell32 calls
// that act on windows. Sizes and places are pixels at 96 dots per inch (the backend scales them to
// the screen), except where windows stand on the screen (ScreenRect); texts are UTF-8.
#pragma once

#include "platform/controls.h"
#include "platform/layout.h"
#include "platform/os.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kesto::platform {

enum class WindowState { Normal = 0, Minimized = 1 };

// Handlers a form's owner receives. Control names are those of ControlLayout.
class FormEvents {
  public:
    virtual ~FormEvents() = default;
    virtual void OnActivate() {}
    virtual void OnClick(const std::string& /*control*/) {}
    // button: 1 left, 2 right, 4 middle
    virtual void OnMouseDown(const std::string& /*control*/, int /*button*/) {}
    // buttons: bit set of the buttons held; x, y in the control's own device pixels, as the
    // control's window messages (LB_ITEMFROMPOINT) take them back
    virtual void OnMouseMove(const std::string& /*control*/, int /*buttons*/, int /*x*/,
                             int /*y*/) {}
    // The user asked the system to close the form (Alt+F4, the taskbar's close command).
    virtual void OnCloseRequest() {}
    // The user asked for help (F1).
    virtual void OnHelpRequest() {}
};

class Form {
  public:
    virtual ~Form() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool Visible() const = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetWindowState(WindowState state) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetBackColor(Rgb color) = 0;
    // Outer rectangle on the screen, frame included.
    virtual ScreenRect Bounds() const = 0;
    // The same rectangle in layout pixels, at 0, 0: what the window's shape and skin cover.
    virtual Rect Area() const = 0;
    // Puts the window's outer top left corner there. On a screen of another density the window
    // takes the size it has there, and its Bounds change with it.
    virtual void Move(ScreenPoint topLeft) = 0;
    virtual Handle WindowHandle() const = 0;
    virtual Handle IconHandle() const = 0; // 0 without an icon

  protected:
    // Null when the layout has no control of that name.
    virtual Control* Lookup(const std::string& name) = 0;

  private:
    template <class Window> friend class FormOf;
};

// ANSI NOTIFYICONDATA as the tray control keeps it; the backend hands it to the shell.
struct NotifyIconData {
    std::uint32_t cbSize = 0;
    Handle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    Handle hIcon = 0;
    char szTip[64] = {};
};

// The hidden window that receives the shell's notifications about the tray icon.
class TrayWindowEvents {
  public:
    virtual ~TrayWindowEvents() = default;
    // A mouse-move message reached the window; x is the low word of lParam.
    virtual void OnMouseMove(int x) = 0;
    // The shell's "TaskbarCreated" broadcast: its notification area starts empty.
    virtual void OnTaskbarCreated() = 0;
};

class TrayWindow {
  public:
    virtual ~TrayWindow() = default;
    virtual Handle WindowHandle() const = 0;
};

constexpr int kMbOk = 0;
constexpr int kMbYesNo = 4;
constexpr int kMbIconError = 16;
constexpr int kMbIconQuestion = 32;
constexpr int kMbIconExclamation = 48;
constexpr int kMbIconInformation = 64;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

constexpr Handle kHwndTopmost = static_cast<Handle>(-1);
constexpr Handle kHwndNoTopmost = static_cast<Handle>(-2);
constexpr std::uint32_t kSwpNoMove = 0x2;
constexpr std::uint32_t kSwpNoSize = 0x1;
constexpr std::uint32_t kWmNcLButtonDown = 0xA1;
constexpr std::uintptr_t kHtCaption = 2;
constexpr std::uint32_t kLbItemFromPoint = 0x1A9;
constexpr int kSwShowNormal = 1;
constexpr std::uint32_t kNimAdd = 0, kNimModify = 1, kNimDelete = 2;
constexpr std::uint32_t kNifMessage = 1, kNifIcon = 2, kNifTip = 4;

class Toolkit {
  public:
    virtual ~Toolkit() = default;

    // The application's title, which it was handed: message boxes and the tray icon's tip show it.
    virtual const std::string& AppTitle() const = 0;
    virtual std::unique_ptr<Form> CreateForm(const FormLayout& layout, FormEvents& events) = 0;
    virtual std::unique_ptr<TrayWindow> CreateTrayWindow(TrayWindowEvents& events) = 0;
    // Modal message box titled with the application's title. Returns the button.
    virtual int MsgBox(const std::string& text, int style) = 0;
    // Dispatches every window message already waiting, then returns.
    virtual void DoEvents() = 0;
    // Runs the event loop until the program ends.
    virtual void Run() = 0;
    // Ends the event loop; Run returns.
    virtual void Quit() = 0;

    // user32 and gdi32 calls on window handles. Results are passed back unexamined.
    virtual bool SetWindowPos(Handle window, Handle insertAfter, int x, int y, int cx, int cy,
                              std::uint32_t flags) = 0;
    // The region is in layout pixels; 0 when it could not be made.
    virtual Handle CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth,
                                      int ellipseHeight) = 0;
    // Takes the region over whatever the result: the window keeps it, or it is freed.
    virtual int SetWindowRgn(Handle window, Handle region, bool redraw) = 0;
    virtual bool ReleaseCapture() = 0;
    virtual std::intptr_t SendMessageA(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                       std::intptr_t lParam) = 0;
    virtual bool SetForegroundWindow(Handle window) = 0;
    // shell32 Shell_NotifyIconA.
    virtual bool ShellNotifyIcon(std::uint32_t message, const NotifyIconData& data) = 0;
};

// The form of one window, made from that window's layout: its controls are reached only by the
// names of that window, so that a name of another window does not build. Window names the
// layout through a static Layout().
template <class Window> class FormOf {
  public:
    FormOf() = default;
    static FormOf Create(Toolkit& toolkit, FormEvents& events) {
        return FormOf(toolkit.CreateForm(Window::Layout(), events));
    }

    // Every name of a window finds its control: its layout is built from the same names.
    template <class Kind> Kind& Find(ControlName<Kind, Window> name) const {
        auto* control = dynamic_cast<Kind*>(form_->Lookup(name.text));
        if (control == nullptr) {
            // The layout and the names disagree: a fault of ours, stopped where it is seen.
            std::fprintf(stderr, "no control named %s in this form\n", name.text);
            std::abort();
        }
        return *control;
    }

    Form* operator->() const { return form_.get(); }
    Form& operator*() const { return *form_; }
    explicit operator bool() const { return form_ != nullptr; }
    void reset() { form_.reset(); }

  private:
    explicit FormOf(std::unique_ptr<Form> form) : form_(std::move(form)) {}

    std::unique_ptr<Form> form_;
};

} // namespace kesto::platform
