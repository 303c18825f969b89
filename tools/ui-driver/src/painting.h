// Pictures drawn here the way the program's windows draw them, to hold against the screen.
#pragma once

#include "uidriver/screenshot.h"

#include <windows.h>

#include <string>

namespace kesto::uidriver {

// A windowless label of the program's toolkit: the system's message font 12 pixels high, in the
// button-text colour, left-aligned and wrapped within the area, on a plain background.
Image PaintLabel(const std::string& text, int width, int height, Rgb background);
// An icon stretched over the area, as a static control of the SS_ICON style shows it.
Image PaintIcon(HICON icon, int width, int height, Rgb background);
bool SamePixels(const Image& a, const Image& b);

} // namespace kesto::uidriver
