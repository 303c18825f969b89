// The form's two fonts, made at its density.
#include "platform/win32/fonts.h"

#include "platform/win32/dpi.h"

namespace kesto::platform::win32 {

namespace {

HFONT CreateMessageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = -ToDevice(12, dpi);
    font.lfWidth = 0;
    return CreateFontIndirectW(&font);
}

// 9.75 points, 13 pixels at 96 dots per inch. The ANSI character set leaves Chinese to font
// fallback.
HFONT CreateTitleFont(UINT dpi) {
    return CreateFontW(-ToDevice(13, dpi), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, L"Arial");
}

} // namespace

Fonts::Fonts(UINT dpi) : message_(CreateMessageFont(dpi)), title_(CreateTitleFont(dpi)) {}

std::optional<int> Fonts::FittedField(int closedHeight) const {
    const auto fitted = fittedFields_.find(closedHeight);
    return fitted == fittedFields_.end() ? std::nullopt : std::optional(fitted->second);
}

void Fonts::NoteFittedField(int closedHeight, int field) const {
    fittedFields_[closedHeight] = field;
}

} // namespace kesto::platform::win32
