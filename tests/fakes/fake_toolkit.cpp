#include "fakes/fake_toolkit.h"

#include <algorithm>
#include <stdexcept>

namespace kesto::fakes {

namespace {

// A tool window's frame around its client area.
constexpr int kToolFrameWidth = 8;
constexpr int kToolFrameHeight = 27;

template <class... Values> std::vector<std::intptr_t> Arguments(Values... values) {
    return {static_cast<std::intptr_t>(values)...};
}

struct FakeTrayWindow : platform::TrayWindow {
    platform::Handle handle;
    platform::Handle WindowHandle() const override { return handle; }
};

} // namespace

// --- FakeControl ---

FakeControl::FakeControl(const platform::ControlLayout& layout, platform::Handle handle)
    : layout_(layout), handle_(handle), text_(layout.text), visible_(layout.visible),
      place_(layout.place), checked_(layout.checked) {}

void FakeControl::SetChecked(bool checked) {
    if (checked) {
        onChecked(*this);
    }
    checked_ = checked;
}

void FakeControl::Clear() {
    items_.clear();
    listIndex_ = -1;
}

bool FakeControl::Select(const std::string& item) {
    const auto found = std::find(items_.begin(), items_.end(), item);
    if (found == items_.end()) {
        return false;
    }
    listIndex_ = static_cast<int>(found - items_.begin());
    return true;
}

// --- FakeForm ---

FakeForm::FakeForm(const platform::FormLayout& layout, platform::FormEvents& events,
                   FakeToolkit& toolkit, platform::Handle handle)
    : layout_(layout), events_(events), toolkit_(toolkit), handle_(handle),
      caption_(layout.caption) {
    platform::Handle controlHandle = handle + 16;
    for (const platform::ControlLayout& control : layout.controls) {
        auto fake = std::make_unique<FakeControl>(control, controlHandle++);
        fake->onFocus = [this](const std::string& name) { focused_ = name; };
        fake->onChecked = [this](const FakeControl& checked) { UncheckGroup(checked); };
        controls_[control.name] = std::move(fake);
    }
    const bool tool = layout.frame == platform::FrameStyle::ToolWindow;
    width_ = layout.clientWidth + (tool ? kToolFrameWidth : 0);
    height_ = layout.clientHeight + (tool ? kToolFrameHeight : 0);
    const platform::ScreenRect& screen = toolkit_.screens.front().area;
    topLeft_ = {screen.left + (screen.width - width_) / 2,
                screen.top + (screen.height - height_) / 2};
    dpi_ = toolkit_.DpiAt(topLeft_);
}

FakeForm::~FakeForm() {
    std::erase(toolkit_.forms_, this);
}

FakeControl& FakeForm::Named(const std::string& name) const {
    const auto found = controls_.find(name);
    if (found == controls_.end()) {
        throw std::out_of_range("no control " + name + " on " + layout_.name);
    }
    return *found->second;
}

void FakeForm::UncheckGroup(const FakeControl& checked) {
    for (const auto& [name, control] : controls_) {
        if (control.get() != &checked && control->Layout().kind == checked.Layout().kind &&
            control->Layout().parent == checked.Layout().parent) {
            control->SetChecked(false);
        }
    }
}

platform::Control* FakeForm::Lookup(const std::string& name) {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second.get();
}

void FakeForm::Show() {
    if (onShow_) {
        onShow_();
    }
    visible_ = true;
    events_.OnActivate();
}

platform::ScreenRect FakeForm::Bounds() const {
    return {topLeft_.x, topLeft_.y, width_ * dpi_ / 96, height_ * dpi_ / 96};
}

void FakeForm::Move(platform::ScreenPoint topLeft) {
    topLeft_ = topLeft;
    const platform::ScreenRect moved = Bounds();
    dpi_ = toolkit_.DpiAt({moved.left + moved.width / 2, moved.top + moved.height / 2});
}

// As an auto radio button does, an option button is checked before its click is sent.
void FakeForm::Press(FakeControl& pressed, const std::string& control) {
    if (pressed.Layout().kind == platform::ControlKind::OptionButton) {
        pressed.SetChecked(true);
    }
    events_.OnClick(control);
}

// --- FakeToolkit ---

std::unique_ptr<platform::Form> FakeToolkit::CreateForm(const platform::FormLayout& layout,
                                                        platform::FormEvents& events) {
    auto form = std::make_unique<FakeForm>(layout, events, *this, nextHandle_);
    nextHandle_ += 0x1000;
    forms_.push_back(form.get());
    return form;
}

std::unique_ptr<platform::TrayWindow>
FakeToolkit::CreateTrayWindow(platform::TrayWindowEvents& events) {
    trayEvents_ = &events;
    auto window = std::make_unique<FakeTrayWindow>();
    window->handle = nextHandle_;
    nextHandle_ += 0x1000;
    return window;
}

int FakeToolkit::MsgBox(const std::string& text, int style) {
    messageBoxes.push_back({text, style});
    if (onMessageBox) {
        onMessageBox(messageBoxes.back());
    }
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (style & platform::kMbYesNo) != 0 ? platform::kIdYes : 1;
}

void FakeToolkit::DoEvents() {
    if (onDoEvents) {
        onDoEvents();
    }
}

bool FakeToolkit::Record(WindowCall call) {
    const bool fails = Fails(call.name);
    windowCalls.push_back(std::move(call));
    return fails;
}

bool FakeToolkit::SetWindowPos(platform::Handle window, platform::Handle insertAfter, int x, int y,
                               int cx, int cy, std::uint32_t flags) {
    return !Record({"SetWindowPos", Arguments(window, insertAfter, x, y, cx, cy, flags)});
}

platform::Handle FakeToolkit::CreateRoundRectRgn(int left, int top, int right, int bottom,
                                                 int ellipseWidth, int ellipseHeight) {
    if (Record({"CreateRoundRectRgn", {left, top, right, bottom, ellipseWidth, ellipseHeight}})) {
        return 0;
    }
    regionsHeld_.push_back(nextHandle_);
    return nextHandle_++;
}

int FakeToolkit::SetWindowRgn(platform::Handle window, platform::Handle region, bool redraw) {
    regionsHeld_.erase(std::remove(regionsHeld_.begin(), regionsHeld_.end(), region),
                       regionsHeld_.end());
    return Record({"SetWindowRgn", Arguments(window, region, redraw)}) ? 0 : 1;
}

bool FakeToolkit::ReleaseCapture() {
    return !Record({"ReleaseCapture", {}});
}

std::intptr_t FakeToolkit::SendMessageA(platform::Handle window, std::uint32_t message,
                                        std::uintptr_t wParam, std::intptr_t lParam) {
    const bool fails = Record({"SendMessage", Arguments(window, message, wParam, lParam)});
    const FakeControl* list = ControlByHandle(window);
    if (fails || message != platform::kLbItemFromPoint || list == nullptr) {
        return 0;
    }
    const int x = static_cast<int>(lParam & 0xFFFF);
    const int y = static_cast<int>((lParam >> 16) & 0xFFFF);
    const int count = list->ListCount();
    const int index = y / kItemHeight;
    const bool inside = x < list->Place().width && y < list->Place().height;
    if (inside && index < count) {
        return index;
    }
    return 0x10000 | (count == 0 ? 0 : std::min(index, count - 1));
}

bool FakeToolkit::SetForegroundWindow(platform::Handle window) {
    return !Record({"SetForegroundWindow", Arguments(window)});
}

bool FakeToolkit::ShellNotifyIcon(std::uint32_t message, const platform::NotifyIconData& data) {
    notifyCalls.push_back({message, data});
    return !Fails("ShellNotifyIcon") && data.cbSize != 0;
}

FakeForm* FakeToolkit::Form(const std::string& name) const {
    for (FakeForm* form : forms_) {
        if (form->Layout().name == name) {
            return form;
        }
    }
    return nullptr;
}

int FakeToolkit::DpiAt(platform::ScreenPoint point) const {
    for (const FakeScreen& screen : screens) {
        const platform::ScreenRect& area = screen.area;
        if (point.x >= area.left && point.x < area.left + area.width && point.y >= area.top &&
            point.y < area.top + area.height) {
            return screen.dpi;
        }
    }
    return screens.front().dpi;
}

FakeControl* FakeToolkit::ControlByHandle(platform::Handle handle) const {
    for (FakeForm* form : forms_) {
        for (const auto& [name, control] : form->controls_) {
            if (control->WindowHandle() == handle) {
                return control.get();
            }
        }
    }
    return nullptr;
}

} // namespace kesto::fakes
