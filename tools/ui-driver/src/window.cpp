// Window calls through the handle; sends time out, so a hung program cannot hang the test.
#include "uidriver/window.h"

#include "uidriver/error.h"
#include "uidriver/text.h"

#include <algorithm>

namespace kesto::uidriver {

namespace {

constexpr UINT kSendTimeoutMs = 5000;

Rect FromWin32(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace

bool Region::Contains(int x, int y) const {
    return std::any_of(parts.begin(), parts.end(), [&](const Rect& part) {
        return x >= part.left && x < part.left + part.width && y >= part.top &&
               y < part.top + part.height;
    });
}

DWORD Window::ProcessId() const {
    DWORD id = 0;
    GetWindowThreadProcessId(handle_, &id);
    return id;
}

bool Window::Exists() const {
    return IsWindow(handle_) != FALSE;
}

std::string Window::Text() const {
    const auto length = static_cast<size_t>(Send(WM_GETTEXTLENGTH));
    std::wstring text(length + 1, L'\0');
    const auto copied =
        static_cast<size_t>(Send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return Narrow(text);
}

std::string Window::StoredText() const {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

std::string Window::ClassName() const {
    wchar_t name[256] = {};
    if (GetClassNameW(handle_, name, 256) == 0) {
        ThrowLastError("GetClassNameW");
    }
    return Narrow(name);
}

int Window::ControlId() const {
    return GetDlgCtrlID(handle_);
}

bool Window::Visible() const {
    return IsWindowVisible(handle_) != FALSE;
}

bool Window::Enabled() const {
    return IsWindowEnabled(handle_) != FALSE;
}

bool Window::Topmost() const {
    return (ExStyle() & WS_EX_TOPMOST) != 0;
}

bool Window::Minimized() const {
    return IsIconic(handle_) != FALSE;
}

LONG_PTR Window::Style() const {
    return GetWindowLongPtrW(handle_, GWL_STYLE);
}

LONG_PTR Window::ExStyle() const {
    return GetWindowLongPtrW(handle_, GWL_EXSTYLE);
}

bool Window::Checked() const {
    return Send(BM_GETCHECK) == BST_CHECKED;
}

Rect Window::ScreenRect() const {
    RECT rect{};
    if (!GetWindowRect(handle_, &rect)) {
        ThrowLastError("GetWindowRect");
    }
    return FromWin32(rect);
}

Rect Window::ClientRect() const {
    RECT rect{};
    if (!GetClientRect(handle_, &rect)) {
        ThrowLastError("GetClientRect");
    }
    return FromWin32(rect);
}

Rect Window::ClientRectOnScreen() const {
    Rect rect = ClientRect();
    POINT origin{0, 0};
    if (!ClientToScreen(handle_, &origin)) {
        ThrowLastError("ClientToScreen");
    }
    rect.left = origin.x;
    rect.top = origin.y;
    return rect;
}

Rect Window::RectIn(const Window& other) const {
    RECT rect{};
    if (!GetWindowRect(handle_, &rect)) {
        ThrowLastError("GetWindowRect");
    }
    MapWindowPoints(HWND_DESKTOP, other.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return FromWin32(rect);
}

std::optional<Region> Window::WindowRegion() const {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    std::optional<Region> shape;
    if (GetWindowRgn(handle_, region) != ERROR) {
        RECT box{};
        GetRgnBox(region, &box);
        const DWORD size = GetRegionData(region, 0, nullptr);
        std::vector<char> buffer(size);
        auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
        GetRegionData(region, size, data);
        const auto* parts = reinterpret_cast<const RECT*>(data->Buffer);
        shape = Region{FromWin32(box), {}};
        for (DWORD i = 0; i < data->rdh.nCount; ++i) {
            shape->parts.push_back(FromWin32(parts[i]));
        }
    }
    DeleteObject(region);
    return shape;
}

void Window::MoveTo(int left, int top) const {
    if (!SetWindowPos(handle_, nullptr, left, top, 0, 0,
                      SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)) {
        ThrowLastError("SetWindowPos");
    }
}

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(handle_, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &result)) {
        ThrowLastError("SendMessageTimeoutW of message " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

bool Window::Responds(milliseconds timeout) const {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(handle_, WM_NULL, 0, 0, SMTO_NORMAL,
                               static_cast<UINT>(timeout.count()), &ignored) != 0;
}

void Window::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!PostMessageW(handle_, message, wParam, lParam)) {
        ThrowLastError("PostMessageW of message " + std::to_string(message));
    }
}

} // namespace kesto::uidriver
