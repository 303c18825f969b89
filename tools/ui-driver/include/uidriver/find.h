// Finding top-level windows by title, class and owning process.
#pragma once

#include "uidriver/poll.h"
#include "uidriver/window.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kesto::uidriver {

// Visible windows with this exact title, narrowed down further by the other calls. Hidden
// ones match only when asked for: programs keep helper windows with the title of the one a
// user sees.
struct WindowQuery {
    explicit WindowQuery(std::string windowTitle) : title(std::move(windowTitle)) {}
    WindowQuery& OfProcess(DWORD id) {
        processId = id;
        return *this;
    }
    WindowQuery& OfClass(std::string name) {
        className = std::move(name);
        return *this;
    }
    WindowQuery& NotOfClass(std::string name) {
        excludedClassName = std::move(name);
        return *this;
    }
    WindowQuery& IncludingHidden() {
        hiddenToo = true;
        return *this;
    }

    std::string title;
    DWORD processId = 0;   // 0: any process
    std::string className; // empty: any class
    std::string excludedClassName;
    bool hiddenToo = false;
};

std::vector<Window> FindWindows(const WindowQuery& query);
std::optional<Window> FindFirstWindow(const WindowQuery& query);
// Throws DriverError when no such window shows up within timeout.
Window WaitForWindow(const WindowQuery& query, milliseconds timeout);
// Whether every window the query matches went away within timeout.
bool WaitForNoWindow(const WindowQuery& query, milliseconds timeout);

} // namespace kesto::uidriver
