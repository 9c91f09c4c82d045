#pragma once

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// The scrolling of a window whose table's client area is larger than the work area: the
// window fits the work area, its scroll bars move the client area and the controls on it.
class WindowScroll {
public:
    // Sizes the window for content of that size at that resolution, fitted to its monitor's
    // work area, and shows it unscrolled.
    void Fit(HWND window, SIZE content, UINT dpi);
    // How far the client area is scrolled into the content.
    POINT Offset() const { return offset; }
    // A request from a scroll bar (WM_HSCROLL, WM_VSCROLL): a line, a page, an end, or where
    // its box was dragged.
    void BarRequest(int bar, int request);
    // The wheel turned by delta (WM_MOUSEWHEEL): the vertical bar's lines, else the
    // horizontal one's.
    void Wheel(int delta);
    // Scrolls as little as shows the place of the content whole.
    void Reveal(const RECT& place);

private:
    // Moves the client area and its controls; the offset is kept within the content.
    void ScrollTo(POINT to);
    int Line() const;

    HWND window = nullptr;
    UINT dpi = 96;
    SIZE content{};
    POINT offset{};
};

} // namespace ui::win32
