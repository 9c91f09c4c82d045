#pragma once

// <windows.h> and the common controls for the Windows front end, with the macros removed
// that would rename the methods of the OS seam (platform/win32/WindowsApi.h).
#include "platform/win32/WindowsApi.h"

#include <commctrl.h>
#include <windowsx.h>
