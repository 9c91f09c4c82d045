#include "ui/win32/WindowScroll.h"

#include "ui/Scrolling.h"
#include "ui/win32/Dpi.h"

#include <algorithm>
#include <tuple>

namespace ui::win32 {

void WindowScroll::Fit(HWND target, SIZE size, UINT resolution) {
    window = target;
    dpi = resolution;
    content = size;
    offset = {};
    const DWORD style =
        DWORD(::GetWindowLongPtrW(window, GWL_STYLE)) & ~DWORD(WS_HSCROLL | WS_VSCROLL);
    const RECT work = WorkArea(window);
    const SIZE frame = FrameSize(0, 0, style, 0, dpi);
    const WindowFit fit =
        FitWindow({int(content.cx), int(content.cy)},
                  {int(work.right - work.left - frame.cx), int(work.bottom - work.top - frame.cy)},
                  {SystemMetric(SM_CXVSCROLL, dpi), SystemMetric(SM_CYHSCROLL, dpi)});
    ::ShowScrollBar(window, SB_HORZ, fit.across);
    ::ShowScrollBar(window, SB_VERT, fit.down);
    const SIZE outer = FrameSize(fit.client.width, fit.client.height, style, 0, dpi);
    ::SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RECT client{};
    ::GetClientRect(window, &client);
    for (const auto& [bar, shown, extent, visible] :
         {std::tuple{SB_HORZ, fit.across, content.cx, client.right},
          std::tuple{SB_VERT, fit.down, content.cy, client.bottom}}) {
        if (!shown)
            continue;
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = int(extent) - 1;
        info.nPage = UINT(std::max(0L, visible));
        ::SetScrollInfo(window, bar, &info, TRUE);
    }
}

int WindowScroll::Line() const {
    return ::MulDiv(20, int(dpi), 96);
}

void WindowScroll::ScrollTo(POINT to) {
    RECT client{};
    ::GetClientRect(window, &client);
    to = {ClampScroll({int(content.cx), int(client.right), int(to.x)}),
          ClampScroll({int(content.cy), int(client.bottom), int(to.y)})};
    const int dx = offset.x - to.x, dy = offset.y - to.y;
    if (!dx && !dy)
        return;
    offset = to;
    ::ScrollWindowEx(window, dx, dy, nullptr, nullptr, nullptr, nullptr,
                     SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    ::SetScrollPos(window, SB_HORZ, offset.x, TRUE);
    ::SetScrollPos(window, SB_VERT, offset.y, TRUE);
}

void WindowScroll::BarRequest(int bar, int request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(window, bar, &info);
    int position = bar == SB_HORZ ? offset.x : offset.y;
    switch (request) {
    case SB_LINEUP:
        position -= Line();
        break;
    case SB_LINEDOWN:
        position += Line();
        break;
    case SB_PAGEUP:
        position -= int(info.nPage);
        break;
    case SB_PAGEDOWN:
        position += int(info.nPage);
        break;
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = info.nMax;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = info.nTrackPos;
        break;
    }
    ScrollTo(bar == SB_HORZ ? POINT{position, offset.y} : POINT{offset.x, position});
}

void WindowScroll::Wheel(int delta) {
    UINT lines = 3;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const bool down = ::GetWindowLongPtrW(window, GWL_STYLE) & WS_VSCROLL;
    const int step = -delta * int(std::min(lines, 10u)) * Line() / WHEEL_DELTA;
    ScrollTo(down ? POINT{offset.x, offset.y + step} : POINT{offset.x + step, offset.y});
}

void WindowScroll::Reveal(const RECT& place) {
    RECT client{};
    ::GetClientRect(window, &client);
    ScrollTo({ScrollIntoView({int(content.cx), int(client.right), int(offset.x)}, place.left,
                             place.right - place.left),
              ScrollIntoView({int(content.cy), int(client.bottom), int(offset.y)}, place.top,
                             place.bottom - place.top)});
}

} // namespace ui::win32
