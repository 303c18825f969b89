// The bench's own main and progress windows, sized and placed as the program's are.
#include "progress_protocol.h"

#include "stopwatch.h"

#include <stdexcept>

namespace kesto::bench {

namespace {

// The program's main and progress windows: their sizes, and the progress window over the middle.
constexpr int kMainLeft = 100, kMainTop = 100, kMainWidth = 356, kMainHeight = 408;
constexpr int kProgressWidth = 209, kProgressHeight = 67;

HWND TopLevel(DWORD exStyle, const wchar_t* text, DWORD style, int left, int top, int width,
              int height) {
    const HWND window = CreateWindowExW(exStyle, L"STATIC", text, style, left, top, width, height,
                                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) {
        throw std::runtime_error("cannot make the progress protocol's windows");
    }
    return window;
}

void ProcessPendingEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace

ProgressProtocol::ProgressProtocol()
    : main_(TopLevel(WS_EX_TOPMOST, L"Tarvel", WS_POPUP | WS_VISIBLE, kMainLeft, kMainTop,
                     kMainWidth, kMainHeight)),
      progress_(TopLevel(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"\x5de5\x4f5c\x4e2d\x2026\x2026",
                         WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                         kMainLeft + (kMainWidth - kProgressWidth) / 2,
                         kMainTop + (kMainHeight - kProgressHeight) / 2, kProgressWidth,
                         kProgressHeight)),
      font_(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                        L"Tahoma")) {
    // "正在添加磁盘，请稍候……"
    const HWND label = CreateWindowExW(
        0, L"STATIC", L"\x6b63\x5728\x6dfb\x52a0\x78c1\x76d8\xff0c\x8bf7\x7a0d\x5019\x2026\x2026",
        WS_CHILD | WS_VISIBLE, 20, 12, 175, 17, progress_, nullptr, GetModuleHandleW(nullptr),
        nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    ProcessPendingEvents();
}

ProgressProtocol::~ProgressProtocol() {
    DestroyWindow(progress_);
    DestroyWindow(main_);
    DeleteObject(font_);
    ProcessPendingEvents();
}

SubstRun ProgressProtocol::Run(const std::string& commandLine) const {
    const double start = NowMs();
    ShowWindow(progress_, SW_SHOW);
    ProcessPendingEvents();
    EnableWindow(main_, FALSE);
    SubstRun run = RunSubst(commandLine);
    EnableWindow(main_, TRUE);
    ShowWindow(progress_, SW_HIDE);
    run.ms = NowMs() - start;
    return run;
}

} // namespace kesto::bench
