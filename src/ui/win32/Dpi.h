#pragma once

#include "ui/FormTable.h"
#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// Dots per inch of the monitor the window is on (of the screen before Windows 10).
UINT WindowDpi(HWND window);
// The outer size of a window whose client area is width by height pixels.
SIZE FrameSize(int width, int height, DWORD style, DWORD exStyle, UINT dpi);
// A system metric (a scroll bar's width, say) at that resolution.
int SystemMetric(int index, UINT dpi);
// The part of the window's monitor that the taskbar and docked bars leave free.
RECT WorkArea(HWND window);
// The font the system uses in message boxes, at that resolution.
LOGFONTW MessageFont(UINT dpi);

} // namespace ui::win32
