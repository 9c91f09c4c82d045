#pragma once

#include "ui/markup/DisplayList.h"
#include "ui/win32/GdiFonts.h"
#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// Paints a display list with GDI, shifted up by the scroll offset; the caller clips.
void PaintDisplayList(HDC dc, const markup::DisplayList& list, double scrollOffset,
                      GdiFonts& fonts);

} // namespace ui::win32
