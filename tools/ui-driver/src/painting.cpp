// Labels and icons drawn off screen as the program draws them, read back like a screenshot.
#include "painting.h"

#include "uidriver/error.h"
#include "uidriver/text.h"

namespace kesto::uidriver {

namespace {

// Drawn into a bitmap compatible with the screen, as the program's double buffer is, then read
// back in the layout of a screenshot.
template <class Draw> Image PaintOff(int width, int height, Rgb background, Draw draw) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const RECT area{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(RGB(background.r, background.g, background.b));
    FillRect(memory, &area, brush);
    DeleteObject(brush);
    draw(memory, area);
    SelectObject(memory, previous);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> bits(static_cast<size_t>(width * height));
    const int rows =
        GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), bits.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (rows != height) {
        ThrowLastError("GetDIBits");
    }
    Image image{width, height, {}};
    image.pixels.reserve(bits.size());
    for (const RGBQUAD& bit : bits) {
        image.pixels.push_back({bit.rgbRed, bit.rgbGreen, bit.rgbBlue});
    }
    return image;
}

} // namespace

Image PaintLabel(const std::string& text, int width, int height, Rgb background) {
    return PaintOff(width, height, background, [&](HDC dc, RECT area) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        LOGFONTW logFont = metrics.lfMessageFont;
        logFont.lfHeight = -12;
        logFont.lfWidth = 0;
        HFONT font = CreateFontIndirectW(&logFont);
        HGDIOBJ previous = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        std::wstring wide = Widen(text);
        DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), &area,
                  DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
        SelectObject(dc, previous);
        DeleteObject(font);
    });
}

Image PaintIcon(HICON icon, int width, int height, Rgb background) {
    return PaintOff(width, height, background, [&](HDC dc, RECT) {
        DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    });
}

bool SamePixels(const Image& a, const Image& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

} // namespace kesto::uidriver
