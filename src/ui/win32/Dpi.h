#pragma once

#include "ui/FormTable.h"
#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// Dots per inch of the monitor the window is on (of the screen before Windows 10).
UINT WindowDpi(HWND window);
// The outer size of a window whose client area is width by height pixels.
SIZE FrameSize(int width, int height, DWORD style, DWORD exStyle, UINT dpi);
// The font the system uses in message boxes, at that resolution.
LOGFONTW MessageFont(UINT dpi);

} // namespace ui::win32
