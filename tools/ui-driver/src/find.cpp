// Every top-level window matched against a query, and the waits for one to come or go.
#include "uidriver/find.h"

#include "uidriver/error.h"
#include "uidriver/text.h"

namespace kesto::uidriver {

namespace {

bool Matches(HWND handle, const WindowQuery& query) {
    Window window(handle);
    if (!query.hiddenToo && !window.Visible()) {
        return false;
    }
    if (query.processId != 0 && window.ProcessId() != query.processId) {
        return false;
    }
    wchar_t title[512] = {};
    GetWindowTextW(handle, title, 512);
    if (Narrow(title) != query.title) {
        return false;
    }
    const std::string className = window.ClassName();
    return (query.className.empty() || className == query.className) &&
           className != query.excludedClassName;
}

struct Search {
    const WindowQuery* query;
    std::vector<Window> found;
};

BOOL CALLBACK Collect(HWND handle, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    if (Matches(handle, *search->query)) {
        search->found.emplace_back(handle);
    }
    return TRUE;
}

} // namespace

std::vector<Window> FindWindows(const WindowQuery& query) {
    Search search{&query, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::optional<Window> FindFirstWindow(const WindowQuery& query) {
    auto found = FindWindows(query);
    if (found.empty()) {
        return std::nullopt;
    }
    return found.front();
}

Window WaitForWindow(const WindowQuery& query, milliseconds timeout) {
    if (auto window = PollFor([&] { return FindFirstWindow(query); }, timeout)) {
        return *window;
    }
    throw DriverError("no window titled \"" + query.title + "\" within " +
                      std::to_string(timeout.count()) + " ms");
}

bool WaitForNoWindow(const WindowQuery& query, milliseconds timeout) {
    return WaitUntil([&] { return FindWindows(query).empty(); }, timeout);
}

} // namespace kesto::uidriver
