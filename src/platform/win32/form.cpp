// Win32Form: creation, density, shape, frame and colours of the window, and its controls.
#include "platform/win32/form.h"

#include "platform/win32/child_control.h"
#include "platform/win32/dpi.h"
#include "platform/win32/form_registry.h"
#include "platform/win32/painted_control.h"
#include "platform/win32/scaled_region.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"

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

// The class holds the icon, so forms with and without it need classes of their own; the program
// has one icon.
const wchar_t* ClassNameOf(FrameStyle frame, int icon) {
    if (frame == FrameStyle::ToolWindow) {
        return icon != 0 ? L"KestoToolFormWithIcon" : L"KestoToolForm";
    }
    return icon != 0 ? L"KestoFormWithIcon" : L"KestoForm";
}

SIZE OuterSizeOf(FrameStyle frame, int clientWidth, int clientHeight, UINT dpi) {
    const FrameStyles styles = StylesOf(frame);
    const RECT client{0, 0, ToDevice(clientWidth, dpi), ToDevice(clientHeight, dpi)};
    const RECT outer = OuterRectFor(client, styles.style, styles.exStyle, dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

RECT CentredOnWorkArea(SIZE size) {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - size.cx) / 2;
    const int top = work.top + (work.bottom - work.top - size.cy) / 2;
    return {left, top, left + size.cx, top + size.cy};
}

// Built hidden and empty, already where it stands at the system's density: moved there later,
// it would cost every start round trips to the window server.
HWND CreateFormWindow(const FormLayout& layout, int icon, WNDPROC procedure) {
    const wchar_t* className = ClassNameOf(layout.frame, icon);
    RegisterWindowClass(className, procedure, icon);
    const FrameStyles styles = StylesOf(layout.frame);
    const RECT place = CentredOnWorkArea(
        OuterSizeOf(layout.frame, layout.clientWidth, layout.clientHeight, DpiOf(nullptr)));
    return CreateWindowExW(styles.exStyle, className, Widen(layout.caption).c_str(), styles.style,
                           place.left, place.top, place.right - place.left,
                           place.bottom - place.top, nullptr, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

} // namespace

Win32Form::Win32Form(const FormLayout& layout, FormEvents& events, int icon)
    : events_(events), color_(GetSysColor(COLOR_BTNFACE)), frame_(layout.frame),
      clientWidth_(layout.clientWidth), clientHeight_(layout.clientHeight),
      window_(CreateFormWindow(layout, icon, WindowProcedure)), dpi_(DpiOf(Window())),
      fonts_(std::make_unique<Fonts>(dpi_)),
      icon_(reinterpret_cast<HICON>(GetClassLongPtrW(Window(), GCLP_HICONSM))), tips_(Window()),
      surface_(*this, controls_), keyboard_(Window(), events, controls_) {
    FitAndCentre();
    controls_.Create(*this, layout);
    PlaceControls();
    surface_.Stack();
    RegisterForm(*this, Window());
    // Last: from here on the window's messages reach a whole form.
    SetWindowLongPtrW(Window(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Form::~Win32Form() {
    UnregisterForm(*this);
    SetWindowLongPtrW(Window(), GWLP_USERDATA, 0);
    window_.reset();
}

// Its client area exactly as the layout asks, centred on the primary work area. It was made
// there, unless the window's density is not the system's.
void Win32Form::FitAndCentre() {
    const RECT place = CentredOnWorkArea(OuterSize());
    RECT current;
    GetWindowRect(Window(), &current);
    if (!EqualRect(&current, &place)) {
        ::SetWindowPos(Window(), nullptr, place.left, place.top, place.right - place.left,
                       place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

SIZE Win32Form::OuterSize() const {
    return OuterSizeOf(frame_, clientWidth_, clientHeight_, dpi_);
}

// Fonts, places and shape again at the new density; the system suggests where to go.
void Win32Form::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    // The old fonts stay alive until every child has taken the new ones.
    const std::unique_ptr<Fonts> oldFonts = std::exchange(fonts_, std::make_unique<Fonts>(dpi));
    const SIZE size = OuterSize();
    ::SetWindowPos(Window(), nullptr, suggested.left, suggested.top, size.cx, size.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& control : controls_.All()) {
        control->ApplyFont();
    }
    for (const auto& control : controls_.All()) {
        control->ApplyPlace();
    }
    ApplyShape(false);
    // The children too: a combo box lays its parts out anew for the new height.
    RedrawWindow(Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

int Win32Form::SetShape(Region layout, bool redraw) {
    shape_ = std::move(layout);
    return ApplyShape(redraw);
}

int Win32Form::ApplyShape(bool redraw) {
    return SetWindowShape(Window(), shape_ ? ScaledRegion(shape_.get(), dpi_) : Region(), redraw);
}

// Places inside group frames need every frame made first, and the windows of painted controls
// leave room for every child window. A group frame places what lies inside it, so only what lies
// on the form itself is placed here: each place given twice would cost the start round trips to
// the window server, a drop-down list's several.
void Win32Form::PlaceControls() {
    for (ChildControl* control : controls_.Windowed()) {
        if (control->Parent() == nullptr) {
            control->ApplyPlace();
        }
    }
    for (PaintedControl* control : controls_.Painted()) {
        if (control->Parent() == nullptr && control->OwnWindow() != nullptr) {
            control->ApplyPlace();
        }
    }
}

void Win32Form::Show() {
    ShowWindow(Window(), SW_SHOW);
    NoteFormShown(*this);
}

void Win32Form::Hide() {
    ShowWindow(Window(), SW_HIDE);
}

bool Win32Form::Visible() const {
    return IsWindowVisible(Window()) != FALSE;
}

bool Win32Form::Enabled() const {
    return IsWindowEnabled(Window()) != FALSE;
}

void Win32Form::SetEnabled(bool enabled) {
    EnableWindow(Window(), enabled);
}

void Win32Form::SetWindowState(WindowState state) {
    if (state == WindowState::Minimized) {
        ShowWindow(Window(), SW_MINIMIZE);
    } else if (IsIconic(Window())) {
        ShowWindow(Window(), SW_RESTORE);
    }
}

void Win32Form::SetCaption(const std::string& caption) {
    SetWindowTextW(Window(), Widen(caption).c_str());
}

void Win32Form::SetBackColor(Rgb color) {
    color_ = ToColorRef(color);
    InvalidateRect(Window(), nullptr, FALSE);
}

ScreenRect Win32Form::Bounds() const {
    RECT outer;
    GetWindowRect(Window(), &outer);
    return {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
}

Rect Win32Form::Area() const {
    const ScreenRect bounds = Bounds();
    return {0, 0, ToLayout(bounds.width, dpi_), ToLayout(bounds.height, dpi_)};
}

void Win32Form::Move(ScreenPoint topLeft) {
    ::SetWindowPos(Window(), nullptr, topLeft.x, topLeft.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace kesto::platform::win32
