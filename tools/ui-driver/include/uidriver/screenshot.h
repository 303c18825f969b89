// Pictures of the screen as the user sees it, 24-bit BMP files of them, and PNG files read.
#pragma once

#include "uidriver/geometry.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace kesto::uidriver {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct Image {
    int width = 0, height = 0;
    std::vector<Rgb> pixels; // rows top to bottom
    Rgb At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

Image CaptureScreen();
// area in screen coordinates; parts off the screen come out black.
Image CaptureArea(const Rect& area);
void SaveBmp(const Image& image, const std::filesystem::path& file);
// A PNG file's picture; throws DriverError when it cannot be read.
Image LoadPng(const std::filesystem::path& file);
// The picture of `area` once the windows there have painted: not all of one colour, and the same
// for a quarter of a second. Nothing when it does not settle within `timeout`.
std::optional<Image> CaptureSettled(const Rect& area, std::chrono::milliseconds timeout);
// Waits up to `timeout` for `area` to show exactly `expected`; returns how many pixels still
// differ then (0 when it does).
int PixelsUnlike(const Image& expected, const Rect& area, std::chrono::milliseconds timeout);

} // namespace kesto::uidriver
