#include "platform/win32/fonts.h"

namespace kesto::platform::win32 {

namespace {

HFONT CreateMessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = -12;
    font.lfWidth = 0;
    return CreateFontIndirectW(&font);
}

// 9.75 points at 96 dots per inch. The ANSI character set leaves Chinese to font fallback.
HFONT CreateTitleFont() {
    return CreateFontW(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Arial");
}

} // namespace

Fonts::Fonts() : message_(CreateMessageFont()), title_(CreateTitleFont()) {}

Fonts::~Fonts() {
    DeleteObject(message_);
    DeleteObject(title_);
}

} // namespace kesto::platform::win32
