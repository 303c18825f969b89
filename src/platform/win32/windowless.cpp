#include "platform/win32/windowless.h"

#include "platform/win32/dpi.h"
#include "platform/win32/form.h"
#include "platform/win32/shell_window.h"
#include "platform/win32/wide_text.h"
#include "ui/res/resource_ids.h"

#include <algorithm>

namespace kesto::platform::win32 {

namespace {

HBITMAP LoadPicture(Picture picture) {
    if (picture == Picture::None) {
        return nullptr;
    }
    return static_cast<HBITMAP>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(KESTO_IDB_BASE + static_cast<int>(picture)),
        IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

// Caption of a frame: the etched line runs through its middle.
int CaptionHeight(HDC dc) {
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

} // namespace

WindowlessControl::WindowlessControl(Win32Form& form, const ControlLayout& entry, int index)
    : ControlBase(form, entry, index), text_(entry.text), visible_(entry.visible),
      transparent_(entry.transparent), titleFont_(entry.titleFont), stretch_(entry.stretch),
      bitmap_(LoadPicture(entry.picture)), shell_(CreateShellWindow(form, entry, Id())) {}

WindowlessControl::~WindowlessControl() {
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
}

void WindowlessControl::Paint(HDC dc) const {
    const RECT area = Area();
    switch (Kind()) {
    case ControlKind::GroupFrame:
        PaintFrame(dc, area);
        break;
    case ControlKind::Picture:
        PaintPicture(dc, area);
        break;
    default:
        PaintLabel(dc, area);
        break;
    }
}

bool WindowlessControl::Hit(POINT point) const {
    const RECT area = Area();
    return visible_ && Kind() != ControlKind::GroupFrame && PtInRect(&area, point);
}

void WindowlessControl::ApplyPlace() {
    Invalidate();
    if (shell_ != nullptr) {
        PlaceShellWindow(shell_, Area(), form_.ChildWindowAreas());
    }
    form_.Tips().MoveArea(static_cast<UINT_PTR>(Id()), Area());
    if (Kind() == ControlKind::GroupFrame) {
        form_.PlaceChildren(Name());
    }
}

void WindowlessControl::ApplyFont() {
    if (shell_ != nullptr) {
        SendMessageW(shell_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.GetFonts().Message()),
                     FALSE);
    }
}

void WindowlessControl::SetText(const std::string& text) {
    text_ = text;
    if (shell_ != nullptr) {
        SetWindowTextW(shell_, Widen(text).c_str());
    }
    Invalidate();
}

void WindowlessControl::SetVisible(bool visible) {
    visible_ = visible;
    if (shell_ != nullptr) {
        ShowWindow(shell_, visible ? SW_SHOWNA : SW_HIDE);
    }
    Invalidate();
}

void WindowlessControl::SetFocus() {
    form_.FocusItself();
}

void WindowlessControl::SetPlace(const Rect& place) {
    Invalidate();
    place_ = place;
    ApplyPlace();
}

void WindowlessControl::SetBackColor(Rgb color) {
    backColor_ = ToColorRef(color);
    Invalidate();
}

void WindowlessControl::SetToolTipText(const std::string& text) {
    form_.Tips().SetForArea(static_cast<UINT_PTR>(Id()), Area(), Widen(text));
}

Handle WindowlessControl::WindowHandle() const {
    return ToHandle(form_.Window());
}

void WindowlessControl::Invalidate() const {
    form_.InvalidatePainted(Area());
}

COLORREF WindowlessControl::Background() const {
    return backColor_.value_or(form_.Color());
}

void WindowlessControl::PaintLabel(HDC dc, RECT area) const {
    if (!transparent_) {
        FillRect(dc, &area, form_.Brush(Background()));
    }
    const Fonts& fonts = form_.GetFonts();
    const HGDIOBJ oldFont = SelectObject(dc, titleFont_ ? fonts.Title() : fonts.Message());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, titleFont_ ? RGB(255, 255, 255) : GetSysColor(COLOR_BTNTEXT));
    std::wstring text = Widen(text_);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
    SelectObject(dc, oldFont);
}

void WindowlessControl::PaintFrame(HDC dc, RECT area) const {
    const COLORREF background = Background();
    FillRect(dc, &area, form_.Brush(background));
    const HGDIOBJ oldFont = SelectObject(dc, form_.GetFonts().Message());
    const int captionHeight = CaptionHeight(dc);
    RECT edge = area;
    edge.top += captionHeight / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (!text_.empty()) {
        std::wstring text = Widen(text_);
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, background);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        const int indent = ToDevice(8, form_.Dpi());
        RECT caption{area.left + indent, area.top, area.right - indent, area.top + captionHeight};
        DrawTextW(dc, text.data(), static_cast<int>(text.size()), &caption,
                  DT_LEFT | DT_NOPREFIX | DT_SINGLELINE);
    }
    SelectObject(dc, oldFont);
}

// A picture that is not stretched shows at its own size, cut to its place. On a denser screen
// both are scaled: whole multiples stay sharp pixel for pixel, others are smoothed.
void WindowlessControl::PaintPicture(HDC dc, RECT area) const {
    if (bitmap_ == nullptr) {
        return;
    }
    BITMAP info;
    GetObjectW(bitmap_, sizeof info, &info);
    const int sourceWidth = stretch_ ? static_cast<int>(info.bmWidth)
                                     : std::min(place_.width, static_cast<int>(info.bmWidth));
    const int sourceHeight = stretch_ ? static_cast<int>(info.bmHeight)
                                      : std::min(place_.height, static_cast<int>(info.bmHeight));
    const UINT dpi = form_.Dpi();
    if (!stretch_) {
        const RECT layout = LayoutArea();
        area = ToDevice(
            RECT{layout.left, layout.top, layout.left + sourceWidth, layout.top + sourceHeight},
            dpi);
    }
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ oldBitmap = SelectObject(source, bitmap_);
    SetStretchBltMode(dc, dpi % kLayoutDpi == 0 ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, source, 0,
               0, sourceWidth, sourceHeight, SRCCOPY);
    SelectObject(source, oldBitmap);
    DeleteDC(source);
}

} // namespace kesto::platform::win32
