// BasMakeWindow: the main window's skin laid out for its size, its rounded outline, its place
// above other windows and its drag by the title.
#include "ui/make_window.h"

#include "ui/main_names.h"

namespace kesto::ui {

std::vector<SkinPlacement> SkinLayout(int W, int H) {
    return {
        {imgTitleLeft, 0, 0, {}, {}},
        {imgTitleRight, 0, W - 19, {}, {}},
        {imgTitleMain, 0, 19, W - 19, {}},
        {imgWindowLeft, 30, 0, {}, H - 60},
        {imgWindowBottomLeft, H - 30, 0, {}, {}},
        {imgWindowBottom, H - 30, 19, W - 38, {}},
        {imgWindowBottomRight, H - 30, W - 19, {}, {}},
        {imgWindowRight, 30, W - 19, {}, H - 38},
        {imgTitleClose, 8, W - 22, {}, {}},
        {imgTitleMinimize, 8, W - 39, {}, {}},
        {imgTitleHelp, 8, W - 56, {}, {}},
    };
}

void SkinWindow(platform::Toolkit& toolkit, const platform::FormOf<MainWindow>& window) {
    window->SetBackColor(kFaceColor);
    const Name<platform::Control> faced[] = {Frame1, Frame2, Opt1_0, Opt1_1};
    for (const auto name : faced) {
        window.Find(name).SetBackColor(kFaceColor);
    }
    platform::Label& title = window.Find(lblTitle);
    window->SetCaption(title.Text());
    platform::Rect titlePlace = title.Place();
    titlePlace.left = kTitleLeft;
    titlePlace.top = kTitleTop;
    title.SetPlace(titlePlace);

    const platform::Rect area = window->Area();
    for (const SkinPlacement& row : SkinLayout(area.width, area.height)) {
        platform::Control& control = window.Find(row.control);
        platform::Rect place = control.Place();
        place.top = row.top;
        place.left = row.left;
        place.width = row.width.value_or(place.width);
        place.height = row.height.value_or(place.height);
        control.SetPlace(place);
    }
    MakeRoundRegion(toolkit, *window);
}

void MakeRoundRegion(platform::Toolkit& toolkit, platform::Form& window) {
    const platform::Rect area = window.Area();
    const platform::Handle region =
        toolkit.CreateRoundRectRgn(0, 0, area.width, area.height, 24, 24);
    toolkit.SetWindowRgn(window.WindowHandle(), region, true);
}

void SetTopmost(platform::Toolkit& toolkit, platform::Form& window, std::int16_t topmost) {
    toolkit.SetWindowPos(window.WindowHandle(),
                         topmost == -1 ? platform::kHwndTopmost : platform::kHwndNoTopmost, 0, 0, 0,
                         0, platform::kSwpNoMove | platform::kSwpNoSize);
}

void DragWindow(platform::Toolkit& toolkit, platform::Form& window) {
    toolkit.ReleaseCapture();
    toolkit.SendMessageA(window.WindowHandle(), platform::kWmNcLButtonDown, platform::kHtCaption,
                         0);
}

} // namespace kesto::ui
