#pragma once

#include "ui/FormTable.h"

namespace ui {

// Twips to device pixels at a resolution: 1440 twips are one inch, so 15 twips are one
// pixel at 96 dots per inch.
int Pixels(Twips twips, double dotsPerInch);

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PixelRect&) const = default;
};

// Rounded edge by edge, so controls that meet in twips still meet in pixels.
PixelRect Pixels(const TwipsRect& place, double dotsPerInch);

// One axis of a window that shows part of a larger client area, in pixels: the table's
// client extent, the extent of it on screen, and how far it is scrolled.
struct ScrollAxis {
    int content = 0, visible = 0, offset = 0;
};

// The furthest the axis scrolls: content - visible, or 0 when it all shows.
int MaxScroll(const ScrollAxis& axis);
// The offset brought within 0..MaxScroll.
int ClampScroll(const ScrollAxis& axis);
// The offset that shows the span [start, start + length) of the content: the current one
// when the span already shows whole, else the smallest move that shows it, its start when
// it is longer than the visible extent. Always within 0..MaxScroll.
int ScrollIntoView(const ScrollAxis& axis, int start, int length);

} // namespace ui
