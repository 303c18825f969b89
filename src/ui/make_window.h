// BasMakeWindow: the skinned frame of the main window. The layout is computed here; the
// toolkit only applies it.
#pragma once

#include "platform/toolkit.h"
#include "ui/main_names.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace kesto::ui {

inline constexpr platform::Rgb kFaceColor{207, 207, 207};
// Where SkinWindow puts the title label.
inline constexpr int kTitleLeft = 16;
inline constexpr int kTitleTop = 7;

// One row of the skin layout: the properties to set on a control; unset ones stay.
struct SkinPlacement {
    Name<platform::Control> control;
    int top = 0;
    int left = 0;
    std::optional<int> width;
    std::optional<int> height;
};

// Where the skin pictures go on a window of W × H pixels, in the order they are placed.
std::vector<SkinPlacement> SkinLayout(int W, int H);

void SkinWindow(platform::Toolkit& toolkit, const platform::FormOf<MainWindow>& window);
void MakeRoundRegion(platform::Toolkit& toolkit, platform::Form& window);
// Only -1 (true) puts the window into the always-on-top band; every other value takes it out.
void SetTopmost(platform::Toolkit& toolkit, platform::Form& window, std::int16_t topmost);
void DragWindow(platform::Toolkit& toolkit, platform::Form& window);

} // namespace kesto::ui
