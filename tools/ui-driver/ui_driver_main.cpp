// ui-driver.exe: the driver for shell scripts.
//   ui-driver wait-window TITLE [SECONDS]   waits for a visible top-level window
//   ui-driver close-window TITLE            asks every such window to close
//   ui-driver screenshot FILE.bmp [TITLE]   saves the screen, or that window's part of it
// Exit status 0 on success, 1 when the window is not there, 2 on wrong use.
#include "uidriver/error.h"
#include "uidriver/find.h"
#include "uidriver/screenshot.h"
#include "uidriver/text.h"

#include <cstdio>
#include <string>
#include <vector>

using namespace kesto::uidriver;

namespace {

constexpr int kDefaultWaitSeconds = 30;

int Usage() {
    std::fputs("usage: ui-driver wait-window TITLE [SECONDS]\n"
               "       ui-driver close-window TITLE\n"
               "       ui-driver screenshot FILE.bmp [TITLE]\n",
               stderr);
    return 2;
}

int WaitWindow(const std::string& title, int seconds) {
    try {
        WaitForWindow(WindowQuery(title), std::chrono::seconds(seconds));
        return 0;
    } catch (const DriverError& error) {
        std::fprintf(stderr, "ui-driver: %s\n", error.what());
        return 1;
    }
}

int CloseWindows(const std::string& title) {
    const auto windows = FindWindows(WindowQuery(title));
    for (const Window& window : windows) {
        window.Post(WM_CLOSE);
    }
    return windows.empty() ? 1 : 0;
}

int SaveScreenshot(const std::wstring& file, const std::vector<std::string>& title) {
    if (title.empty()) {
        SaveBmp(CaptureScreen(), file);
        return 0;
    }
    const auto window = FindFirstWindow(WindowQuery(title.front()));
    if (!window) {
        return 1;
    }
    SaveBmp(CaptureArea(window->ScreenRect()), file);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(Narrow(argv[i]));
    }
    try {
        if (args.size() >= 2 && args.size() <= 3 && args[0] == "wait-window") {
            return WaitWindow(args[1], args.size() == 3 ? std::stoi(args[2]) : kDefaultWaitSeconds);
        }
        if (args.size() == 2 && args[0] == "close-window") {
            return CloseWindows(args[1]);
        }
        if (args.size() >= 2 && args.size() <= 3 && args[0] == "screenshot") {
            return SaveScreenshot(argv[2], {args.begin() + 2, args.end()});
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ui-driver: %s\n", error.what());
        return 1;
    }
    return Usage();
}
