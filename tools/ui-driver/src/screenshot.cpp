// Captures through a DIB section, BMP files written bottom-up, PNG files read through WIC, and
// the wait for a still screen.
#include "uidriver/screenshot.h"

#include "uidriver/error.h"
#include "uidriver/poll.h"
#include "uidriver/text.h"

#include <windows.h>

#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <fstream>
#include <string>

namespace kesto::uidriver {

namespace {

// BMP rows are padded to whole 32-bit words.
int Stride(int width) {
    return (width * 3 + 3) & ~3;
}

class ScreenDc {
  public:
    ScreenDc() : dc_(GetDC(nullptr)) {
        if (dc_ == nullptr) {
            ThrowLastError("GetDC of the screen");
        }
    }
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const { return dc_; }

  private:
    HDC dc_;
};

void Check(HRESULT result, const std::string& what) {
    if (FAILED(result)) {
        throw DriverError(what + " failed with HRESULT " +
                          std::to_string(static_cast<unsigned long>(result)));
    }
}

// COM on this thread for the scope, when it was not there already.
class ComScope {
  public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    HRESULT result_;
};

} // namespace

Image CaptureScreen() {
    return CaptureArea({GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                        GetSystemMetrics(SM_CXVIRTUALSCREEN),
                        GetSystemMetrics(SM_CYVIRTUALSCREEN)});
}

Image CaptureArea(const Rect& area) {
    ScreenDc screen;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = area.width;
    info.bmiHeader.biHeight = -area.height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        ThrowLastError("CreateDIBSection");
    }
    HDC memory = CreateCompatibleDC(screen.Get());
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const BOOL copied = BitBlt(memory, 0, 0, area.width, area.height, screen.Get(), area.left,
                               area.top, SRCCOPY | CAPTUREBLT);
    GdiFlush();

    Image image{area.width, area.height, {}};
    if (copied) {
        image.pixels.reserve(static_cast<size_t>(area.width * area.height));
        const auto* row = static_cast<const std::uint8_t*>(bits);
        for (int y = 0; y < area.height; ++y, row += Stride(area.width)) {
            for (int x = 0; x < area.width; ++x) {
                image.pixels.push_back({row[x * 3 + 2], row[x * 3 + 1], row[x * 3]});
            }
        }
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    if (!copied) {
        ThrowLastError("BitBlt from the screen");
    }
    return image;
}

void SaveBmp(const Image& image, const std::filesystem::path& file) {
    const int stride = Stride(image.width);
    const DWORD dataSize = static_cast<DWORD>(stride * image.height);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42; // "BM"
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + dataSize;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = image.width;
    info.biHeight = image.height; // bottom-up rows, what every reader takes
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = dataSize;

    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    std::vector<char> row(static_cast<size_t>(stride), 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb pixel = image.At(x, y);
            row[static_cast<size_t>(x * 3)] = static_cast<char>(pixel.b);
            row[static_cast<size_t>(x * 3 + 1)] = static_cast<char>(pixel.g);
            row[static_cast<size_t>(x * 3 + 2)] = static_cast<char>(pixel.r);
        }
        out.write(row.data(), stride);
    }
    if (!out) {
        throw DriverError("cannot write " + Utf8Path(file));
    }
}

Image LoadPng(const std::filesystem::path& file) {
    using Microsoft::WRL::ComPtr;
    const ComScope com;
    ComPtr<IWICImagingFactory> factory;
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                           IID_PPV_ARGS(&factory)),
          "making the imaging factory");
    const std::string name = Utf8Path(file);
    ComPtr<IWICBitmapDecoder> decoder;
    Check(factory->CreateDecoderFromFilename(file.c_str(), nullptr, GENERIC_READ,
                                             WICDecodeMetadataCacheOnDemand, &decoder),
          "opening " + name);
    ComPtr<IWICBitmapFrameDecode> frame;
    Check(decoder->GetFrame(0, &frame), "decoding " + name);
    ComPtr<IWICFormatConverter> converter;
    Check(factory->CreateFormatConverter(&converter), "making a format converter");
    Check(converter->Initialize(frame.Get(), GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone,
                                nullptr, 0.0, WICBitmapPaletteTypeCustom),
          "converting " + name);
    UINT width = 0, height = 0;
    Check(converter->GetSize(&width, &height), "sizing " + name);
    std::vector<BYTE> bytes(static_cast<size_t>(width) * height * 3);
    Check(converter->CopyPixels(nullptr, width * 3, static_cast<UINT>(bytes.size()), bytes.data()),
          "reading the pixels of " + name);
    Image image{static_cast<int>(width), static_cast<int>(height), {}};
    image.pixels.reserve(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        image.pixels.push_back({bytes[i + 2], bytes[i + 1], bytes[i]});
    }
    return image;
}

std::optional<Image> CaptureSettled(const Rect& area, std::chrono::milliseconds timeout) {
    constexpr int kSameInARow = 5;
    Image last;
    int same = 0;
    const bool settled = WaitUntil(
        [&] {
            Image now = CaptureArea(area);
            const bool oneColour =
                std::all_of(now.pixels.begin(), now.pixels.end(),
                            [&](const Rgb& pixel) { return pixel == now.pixels.front(); });
            same = !oneColour && now.pixels == last.pixels ? same + 1 : 0;
            last = std::move(now);
            return same >= kSameInARow;
        },
        timeout);
    return settled ? std::optional(last) : std::nullopt;
}

int PixelsUnlike(const Image& expected, const Rect& area, std::chrono::milliseconds timeout) {
    Image now;
    WaitUntil(
        [&] {
            now = CaptureArea(area);
            return now.pixels == expected.pixels;
        },
        timeout);
    int unlike = 0;
    for (std::size_t i = 0; i < expected.pixels.size() && i < now.pixels.size(); ++i) {
        unlike += expected.pixels[i] != now.pixels[i];
    }
    return unlike;
}

} // namespace kesto::uidriver
