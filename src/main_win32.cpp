// WinMain: builds the Win32 platform and the main window, then runs the message loop.
#include "app/main_form.h"
#include "platform/win32/win32_os.h"
#include "platform/win32/win32_toolkit.h"

#include <objbase.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The folder browser needs COM on this thread.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        kesto::platform::win32::Win32Os os;
        const auto toolkit = kesto::platform::win32::MakeWin32Toolkit();
        kesto::app::MainForm frmMain(os, *toolkit);
        frmMain.Form_Load();
        toolkit->Run();
    }
    if (SUCCEEDED(com)) {
        ::CoUninitialize();
    }
    return 0;
}
