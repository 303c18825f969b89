// A window of any process, looked at and steered from outside through its handle.
#pragma once

#include "uidriver/geometry.h"
#include "uidriver/poll.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace kesto::uidriver {

// The shape SetWindowRgn gave a window, in the window's own coordinates.
struct Region {
    Rect box;
    std::vector<Rect> parts; // the rectangles that make it up
    bool Contains(int x, int y) const;
};

class Window {
  public:
    explicit Window(HWND handle) : handle_(handle) {}
    HWND Handle() const { return handle_; }
    DWORD ProcessId() const;
    bool Exists() const;

    std::string Text() const; // WM_GETTEXT
    // The text the system keeps for the window, read without waiting for its thread, which may
    // be busy: what WM_GETTEXT gives for all but edit boxes.
    std::string StoredText() const;
    std::string ClassName() const;
    int ControlId() const;
    bool Visible() const;
    bool Enabled() const;
    bool Topmost() const;
    bool Minimized() const;
    LONG_PTR Style() const;   // WS_...
    LONG_PTR ExStyle() const; // WS_EX_...
    // BM_GETCHECK of option buttons and check boxes.
    bool Checked() const;

    Rect ScreenRect() const;
    Rect ClientRect() const; // left and top are 0
    Rect ClientRectOnScreen() const;
    // Where the window lies in the client area of another one, its parent say.
    Rect RectIn(const Window& other) const;
    std::optional<Region> WindowRegion() const; // nullopt: the plain rectangle
    // As the user dragging it there: neither its size nor its place in the stack change.
    void MoveTo(int left, int top) const;

    // Sends message and waits for the answer, but never longer than a few seconds: a hung
    // program must fail the test, not stall it.
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // Whether the window's thread takes a message within timeout. A program that does not
    // pump messages while it works takes it only once the handler at work has returned.
    bool Responds(milliseconds timeout) const;
    // Queues message and returns at once, so a modal box it opens cannot block the caller.
    void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  private:
    HWND handle_;
};

} // namespace kesto::uidriver
