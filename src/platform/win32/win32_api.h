// The Windows headers as the backend uses them; the only way into windows.h.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
