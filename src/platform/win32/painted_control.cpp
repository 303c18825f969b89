// What painted controls share: their place, visibility, colour and readable window.
#include "platform/win32/painted_control.h"

#include "platform/win32/fonts.h"
#include "platform/win32/readable_window.h"
#include "platform/win32/tooltip.h"
#include "platform/win32/wide_text.h"

namespace kesto::platform::win32 {

PaintedControl::PaintedControl(const ControlCreation& creation, const ReadableKind* readable)
    : ControlBase(creation), text_(creation.entry.text), visible_(creation.entry.visible),
      readable_(readable == nullptr ? nullptr
                                    : CreateReadableWindow(creation.host, *readable, creation.entry,
                                                           Area(), Id())) {}

bool PaintedControl::Hit(POINT point) const {
    const RECT area = Area();
    return visible_ && PtInRect(&area, point);
}

void PaintedControl::ApplyPlace() {
    Invalidate();
    if (readable_ != nullptr) {
        PlaceReadableWindow(readable_, Area(), host_.ChildWindowAreas());
    }
    host_.Tips().MoveArea(static_cast<UINT_PTR>(Id()), Area());
}

void PaintedControl::ApplyFont() {
    if (readable_ != nullptr) {
        SendMessageW(readable_, WM_SETFONT, reinterpret_cast<WPARAM>(host_.GetFonts().Message()),
                     FALSE);
    }
}

void PaintedControl::SetText(const std::string& text) {
    text_ = text;
    if (readable_ != nullptr) {
        SetWindowTextW(readable_, Widen(text).c_str());
    }
    Invalidate();
}

void PaintedControl::SetVisible(bool visible) {
    visible_ = visible;
    if (readable_ != nullptr) {
        ShowWindow(readable_, visible ? SW_SHOWNA : SW_HIDE);
    }
    Invalidate();
}

void PaintedControl::SetFocus() {
    host_.FocusItself();
}

void PaintedControl::SetPlace(const Rect& place) {
    Invalidate();
    place_ = place;
    ApplyPlace();
}

void PaintedControl::SetBackColor(Rgb color) {
    backColor_ = ToColorRef(color);
    Invalidate();
}

void PaintedControl::SetToolTipText(const std::string& text) {
    host_.Tips().SetForArea(static_cast<UINT_PTR>(Id()), Area(), Widen(text));
}

Handle PaintedControl::WindowHandle() const {
    return ToHandle(host_.Window());
}

void PaintedControl::Invalidate() const {
    host_.InvalidatePainted(Area());
}

COLORREF PaintedControl::Background() const {
    return backColor_.value_or(host_.Color());
}

} // namespace kesto::platform::win32
