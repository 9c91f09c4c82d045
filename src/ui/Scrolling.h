#pragma once

namespace ui {

struct PixelSize {
    int width = 0, height = 0;
    bool operator==(const PixelSize&) const = default;
};

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

// How a window shows its table's client area on a screen that may be too small for it.
struct WindowFit {
    PixelSize client;    // the client area, its scroll bars included
    bool across = false; // a horizontal scroll bar
    bool down = false;   // a vertical one
    bool operator==(const WindowFit&) const = default;
};
// The window for content of a size in room, the largest client area that the work area
// holds inside the window's frame. Content that fits shows whole; else the window takes
// the room there is and scrolls, its controls kept at their size. bars: the width of a
// vertical scroll bar and the height of a horizontal one.
WindowFit FitWindow(PixelSize content, PixelSize room, PixelSize bars);

} // namespace ui
