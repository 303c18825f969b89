#include "platform/win32/form.h"

#include "platform/win32/child_control.h"
#include "platform/win32/control_factory.h"
#include "platform/win32/dpi.h"
#include "platform/win32/form_registry.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/option_button.h"
#include "platform/win32/painted_control.h"
#include "platform/win32/scaled_region.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

namespace kesto::platform::win32 {

namespace {

struct FrameStyles {
    DWORD style;
    DWORD exStyle;
};

FrameStyles StylesOf(FrameStyle frame) {
    if (frame == FrameStyle::ToolWindow) {
        return {WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW};
    }
    // No frame, but what the taskbar and the system menu ask of a window: minimise and restore
    // on the taskbar button, Win+Down, Alt+Space. WS_CAPTION would draw a frame.
    return {WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, WS_EX_APPWINDOW};
}

// The class holds the icon, so forms with and without it need classes of their own.
const wchar_t* ClassNameOf(const FormLayout& layout) {
    if (layout.frame == FrameStyle::ToolWindow) {
        return layout.appIcon ? L"KestoToolFormWithIcon" : L"KestoToolForm";
    }
    return layout.appIcon ? L"KestoFormWithIcon" : L"KestoForm";
}

// Built hidden and empty: its size depends on the density of the screen it lands on.
HWND CreateFormWindow(const FormLayout& layout, WNDPROC procedure) {
    const wchar_t* className = ClassNameOf(layout);
    RegisterWindowClass(className, procedure, layout.appIcon);
    const FrameStyles styles = StylesOf(layout.frame);
    return CreateWindowExW(styles.exStyle, className, Widen(layout.caption).c_str(), styles.style,
                           0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

} // namespace

Win32Form::Win32Form(const FormLayout& layout, FormEvents& events)
    : events_(events), tabOrder_(layout.tabOrder), color_(GetSysColor(COLOR_BTNFACE)),
      frame_(layout.frame), clientWidth_(layout.clientWidth), clientHeight_(layout.clientHeight),
      window_(CreateFormWindow(layout, WindowProcedure)), dpi_(DpiOf(window_)),
      fonts_(std::make_unique<Fonts>(dpi_)),
      icon_(reinterpret_cast<HICON>(GetClassLongPtrW(window_, GCLP_HICONSM))), tips_(window_) {
    FitAndCentre();
    CreateControls(layout);
    StackPaintedControls();
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    RegisterForm(*this);
}

Win32Form::~Win32Form() {
    UnregisterForm(*this);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    if (shape_ != nullptr) {
        DeleteObject(shape_);
    }
}

// Its client area exactly as the layout asks, centred on the primary work area.
void Win32Form::FitAndCentre() {
    const SIZE size = OuterSize();
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - size.cx) / 2;
    const int top = work.top + (work.bottom - work.top - size.cy) / 2;
    ::SetWindowPos(window_, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE Win32Form::OuterSize() const {
    const FrameStyles styles = StylesOf(frame_);
    const RECT client{0, 0, ToDevice(clientWidth_, dpi_), ToDevice(clientHeight_, dpi_)};
    const RECT outer = OuterRectFor(client, styles.style, styles.exStyle, dpi_);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

// Fonts, places and shape again at the new density; the system suggests where to go.
void Win32Form::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    // The old fonts stay alive until every child has taken the new ones.
    const std::unique_ptr<Fonts> oldFonts = std::exchange(fonts_, std::make_unique<Fonts>(dpi));
    const SIZE size = OuterSize();
    ::SetWindowPos(window_, nullptr, suggested.left, suggested.top, size.cx, size.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& control : controls_) {
        control->ApplyFont();
    }
    for (const auto& control : controls_) {
        control->ApplyPlace();
    }
    ApplyShape(false);
    // The children too: a combo box lays its parts out anew for the new height.
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

int Win32Form::SetShape(HRGN layout, bool redraw) {
    if (shape_ != nullptr) {
        DeleteObject(shape_);
    }
    shape_ = layout;
    return ApplyShape(redraw);
}

int Win32Form::ApplyShape(bool redraw) {
    return ::SetWindowRgn(window_, shape_ == nullptr ? nullptr : ScaledRegion(shape_, dpi_),
                          redraw);
}

void Win32Form::CreateControls(const FormLayout& layout) {
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const ControlLayout& control = layout.controls[i];
        const std::string group = GroupNameOf(control.name);
        const bool firstOfGroup =
            control.kind == ControlKind::OptionButton &&
            std::none_of(controls_.begin(), controls_.end(), [&group](const auto& earlier) {
                return earlier->Kind() == ControlKind::OptionButton &&
                       earlier->GroupName() == group;
            });
        controls_.push_back(MakeControl({*this, control, static_cast<int>(i), firstOfGroup}));
    }
    // Places inside group frames need every frame made first, and the windows of painted
    // controls leave room for every child window.
    for (const auto& control : controls_) {
        if (!IsPaintedKind(control->Kind())) {
            control->ApplyPlace();
        }
    }
    for (const auto& control : controls_) {
        if (IsPaintedKind(control->Kind()) && control->OwnWindow() != nullptr) {
            control->ApplyPlace();
        }
    }
}

// The control made first lies on top, except that a group frame lies below everything placed
// inside it.
void Win32Form::StackPaintedControls() {
    for (const auto& control : controls_) {
        if (IsPaintedKind(control->Kind())) {
            stacking_.push_back(static_cast<PaintedControl*>(control.get()));
        }
    }
    for (const auto& control : controls_) {
        if (control->Kind() != ControlKind::GroupFrame) {
            continue;
        }
        const auto frame = std::find(stacking_.begin(), stacking_.end(), control.get());
        const auto lastInside =
            std::find_if(stacking_.rbegin(), stacking_.rend(), [&](const PaintedControl* other) {
                return Inside(*other, control->Name());
            });
        if (lastInside != stacking_.rend() && lastInside.base() - 1 > frame) {
            std::rotate(frame, frame + 1, lastInside.base());
        }
    }
}

bool Win32Form::Inside(const ControlBase& control, const std::string& frame) const {
    std::string parent = control.ParentName();
    while (!parent.empty() && parent != frame) {
        const ControlBase* next = FindControl(parent);
        parent = next == nullptr ? std::string() : next->ParentName();
    }
    return !parent.empty();
}

ControlBase* Win32Form::FindControl(const std::string& name) const {
    const auto found =
        std::find_if(controls_.begin(), controls_.end(),
                     [&name](const auto& control) { return control->Name() == name; });
    return found == controls_.end() ? nullptr : found->get();
}

ChildControl* Win32Form::ChildWithId(int id) const {
    for (const auto& control : controls_) {
        if (control->Id() == id && !IsPaintedKind(control->Kind())) {
            return static_cast<ChildControl*>(control.get());
        }
    }
    return nullptr;
}

PaintedControl* Win32Form::PaintedControlAt(POINT point) const {
    const auto found =
        std::find_if(stacking_.begin(), stacking_.end(),
                     [point](const PaintedControl* control) { return control->Hit(point); });
    return found == stacking_.end() ? nullptr : *found;
}

Control* Win32Form::Lookup(const std::string& name) {
    return FindControl(name);
}

void Win32Form::Show() {
    ShowWindow(window_, SW_SHOW);
    NoteFormShown(*this);
}

void Win32Form::Hide() {
    ShowWindow(window_, SW_HIDE);
}

bool Win32Form::Visible() const {
    return IsWindowVisible(window_) != FALSE;
}

bool Win32Form::Enabled() const {
    return IsWindowEnabled(window_) != FALSE;
}

void Win32Form::SetEnabled(bool enabled) {
    EnableWindow(window_, enabled);
}

void Win32Form::SetWindowState(WindowState state) {
    if (state == WindowState::Minimized) {
        ShowWindow(window_, SW_MINIMIZE);
    } else if (IsIconic(window_)) {
        ShowWindow(window_, SW_RESTORE);
    }
}

void Win32Form::SetCaption(const std::string& caption) {
    SetWindowTextW(window_, Widen(caption).c_str());
}

void Win32Form::SetBackColor(Rgb color) {
    color_ = ToColorRef(color);
    InvalidateRect(window_, nullptr, FALSE);
}

Rect Win32Form::Bounds() const {
    RECT outer;
    GetWindowRect(window_, &outer);
    return {ToLayout(outer.left, dpi_), ToLayout(outer.top, dpi_),
            ToLayout(outer.right - outer.left, dpi_), ToLayout(outer.bottom - outer.top, dpi_)};
}

void Win32Form::Move(int left, int top) {
    ::SetWindowPos(window_, nullptr, ToDevice(left, dpi_), ToDevice(top, dpi_), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

POINT Win32Form::Origin(const std::string& parent) const {
    const ControlBase* frame = parent.empty() ? nullptr : FindControl(parent);
    if (frame == nullptr) {
        return {0, 0};
    }
    const RECT area = frame->LayoutArea();
    return {area.left, area.top};
}

void Win32Form::PlaceChildren(const std::string& frame) {
    for (const auto& control : controls_) {
        if (control->ParentName() == frame) {
            control->ApplyPlace();
        }
    }
}

void Win32Form::UncheckGroup(const Win32OptionButton& option) {
    for (const auto& control : controls_) {
        if (control.get() != &option && control->Kind() == ControlKind::OptionButton &&
            control->GroupName() == option.GroupName()) {
            static_cast<Win32OptionButton&>(*control).SetChecked(false);
        }
    }
}

void Win32Form::FocusItself() {
    savedFocus_ = nullptr;
    ::SetFocus(window_);
}

LRESULT CALLBACK Win32Form::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return KeepingExceptions(LRESULT{0}, [&] { return form->OnMessage(message, wParam, lParam); });
}

// Handlers call the owner's events last: the owner may destroy the form from inside them.
LRESULT Win32Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(window_, &client);
        PaintControls(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return OnControlColor(message, reinterpret_cast<HDC>(wParam),
                              reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_BUTTON || !OwnsControlWindow(item.hwndItem)) {
            return DefWindowProcW(window_, message, wParam, lParam);
        }
        PaintBeneath(item.hwndItem, item.hDC, item.rcItem);
        return TRUE;
    }
    case WM_LBUTTONDOWN:
        OnButtonDown(lParam, 1);
        return 0;
    case WM_RBUTTONDOWN:
        OnButtonDown(lParam, 2);
        return 0;
    case WM_MBUTTONDOWN:
        OnButtonDown(lParam, 4);
        return 0;
    case WM_LBUTTONUP:
        OnLeftButtonUp(lParam);
        return 0;
    case WM_CAPTURECHANGED:
        pressed_ = nullptr;
        return 0;
    case WM_ACTIVATE:
        OnActivate(wParam);
        return 0;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
    case WM_CLOSE:
        events_.OnCloseRequest();
        return 0;
    case WM_SYSCOMMAND:
        // Alt alone would put the system menu in keyboard mode, which a window without a caption
        // never shows: the next key would vanish into it. Alt+Space still opens the menu.
        if ((wParam & 0xFFF0) == SC_KEYMENU && lParam == 0) {
            return 0;
        }
        return DefWindowProcW(window_, message, wParam, lParam);
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void Win32Form::Paint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    PaintBeneath(window_, dc, paint.rcPaint);
    EndPaint(window_, &paint);
}

void Win32Form::PaintControls(HDC dc, const RECT& area) {
    FillRect(dc, &area, Brush(color_));
    for (auto control = stacking_.rbegin(); control != stacking_.rend(); ++control) {
        const RECT place = (*control)->Area();
        RECT overlap;
        if ((*control)->Visible() && IntersectRect(&overlap, &place, &area)) {
            (*control)->Paint(dc);
        }
    }
}

LRESULT Win32Form::OnControlColor(UINT message, HDC dc, HWND window) {
    const ChildControl* control = ChildWithId(GetDlgCtrlID(window));
    if (control == nullptr || control->OwnWindow() != window || !control->BackColor()) {
        return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(window));
    }
    // The device context may come with another control's text colour.
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, *control->BackColor());
    return reinterpret_cast<LRESULT>(Brush(*control->BackColor()));
}

bool Win32Form::OwnsControlWindow(HWND window) const {
    return window != nullptr &&
           std::any_of(controls_.begin(), controls_.end(),
                       [window](const auto& control) { return control->OwnWindow() == window; });
}

void Win32Form::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED) {
        return;
    }
    // The title pictures' windows are buttons, pressed through their accessibility action.
    const auto found = std::find_if(controls_.begin(), controls_.end(), [&](const auto& control) {
        return control->Id() == LOWORD(wParam) &&
               control->OwnWindow() == reinterpret_cast<HWND>(lParam);
    });
    const ControlBase* control = found == controls_.end() ? nullptr : found->get();
    if (control != nullptr && (control->Kind() == ControlKind::PushButton ||
                               control->Kind() == ControlKind::OptionButton ||
                               control->Kind() == ControlKind::PictureButton)) {
        const std::string name = control->Name();
        events_.OnClick(name);
    }
}

void Win32Form::OnButtonDown(LPARAM lParam, int button) {
    PaintedControl* control = PaintedControlAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (control == nullptr) {
        return;
    }
    if (button == 1) {
        // Captured, so that a release outside the control is seen and makes no click.
        SetCapture(window_);
        pressed_ = control;
    }
    const std::string name = control->Name();
    events_.OnMouseDown(name, button);
}

void Win32Form::OnLeftButtonUp(LPARAM lParam) {
    const PaintedControl* pressed = pressed_;
    pressed_ = nullptr;
    if (GetCapture() == window_) {
        ReleaseCapture();
    }
    if (pressed == nullptr ||
        PaintedControlAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != pressed) {
        return;
    }
    const std::string name = pressed->Name();
    events_.OnClick(name);
}

void Win32Form::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        RememberFocus();
        return;
    }
    if (HIWORD(wParam) == 0 && !RestoreFocus()) {
        FocusFirst();
    }
    events_.OnActivate();
}

} // namespace kesto::platform::win32
