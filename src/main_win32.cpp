// WinMain: builds the Win32 platform and the main window, then runs the message loop.
#include "app/main_form.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_os.h"
#include "platform/win32/win32_toolkit.h"
#include "ui/main_names.h"
#include "ui/res/resource_ids.h"

#include <objbase.h>

#include <exception>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The folder browser needs COM on this thread.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 0;
    try {
        kesto::platform::win32::Win32Os os;
        const auto toolkit =
            kesto::platform::win32::MakeWin32Toolkit(kesto::ui::kAppTitle, KESTO_IDI_APP);
        kesto::app::MainForm frmMain(os, *toolkit);
        frmMain.Form_Load();
        toolkit->Run();
    } catch (const std::exception& fault) {
        // A fault of ours that a handler let out: the windows and the tray icon are gone by now,
        // and the user learns why the program ended.
        ::MessageBoxA(nullptr, fault.what(), kesto::ui::kAppTitle, MB_ICONERROR);
        status = 1;
    }
    if (SUCCEEDED(com)) {
        ::CoUninitialize();
    }
    return status;
}
