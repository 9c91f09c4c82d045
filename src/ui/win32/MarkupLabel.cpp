#include "ui/win32/MarkupLabel.h"

#include "ui/markup/MarkupParser.h"
#include "ui/markup/PlainText.h"
#include "ui/win32/CallbackGuard.h"
#include "ui/win32/DisplayListPainter.h"
#include "ui/win32/Dpi.h"

#include <algorithm>
#include <cmath>

namespace ui::win32 {

void MarkupLabel::RegisterClass(HINSTANCE instance) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.style = CS_HREDRAW | CS_VREDRAW;
    type.lpfnWndProc = Procedure;
    type.hInstance = instance;
    type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    type.lpszClassName = ClassName;
    ::RegisterClassExW(&type);
}

MarkupLabel* MarkupLabel::Of(HWND window) {
    return reinterpret_cast<MarkupLabel*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

void MarkupLabel::SetCaption(std::u16string_view text) {
    caption = text;
    document = markup::Parse(caption);
    scroll = 0;
    Relayout();
}

void MarkupLabel::SetStyle(std::u16string family, double points, double dpi) {
    look.SetFont(std::move(family), points, dpi);
    Relayout();
}

void MarkupLabel::SetScheme(const ColourScheme& scheme, uint32_t background) {
    look.SetScheme(scheme, background);
    Relayout();
    ::InvalidateRect(window, nullptr, FALSE);
}

std::u16string MarkupLabel::PlainText() const {
    return markup::PlainText(document);
}

int MarkupLabel::VisibleHeight() const {
    RECT client{};
    ::GetClientRect(window, &client);
    return client.bottom;
}

// Showing or hiding the scroll bar resizes the label, which lays it out again: the guard
// ends that.
void MarkupLabel::Relayout() {
    if (layingOut)
        return;
    layingOut = true;
    RECT client{};
    ::GetClientRect(window, &client);
    const bool hasBar = ::GetWindowLongPtrW(window, GWL_STYLE) & WS_VSCROLL;
    const int barWidth = SystemMetric(SM_CXVSCROLL, WindowDpi(window));
    content = markup::LayoutScrolling(document, client.right + (hasBar ? barWidth : 0),
                                      client.bottom, barWidth, fonts, look.Theme());
    look.Colour(content.display);
    if (content.scrolls != hasBar)
        ::ShowScrollBar(window, SB_VERT, content.scrolls);
    if (content.scrolls) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE;
        info.nMax = static_cast<int>(std::ceil(content.display.contentHeight)) - 1;
        info.nPage = static_cast<UINT>(client.bottom);
        ::SetScrollInfo(window, SB_VERT, &info, TRUE);
    }
    const double kept = scroll;
    scroll = -1;
    ScrollTo(kept);
    layingOut = false;
}

void MarkupLabel::ScrollTo(double offset) {
    const double next = markup::ClampScroll(offset, content);
    if (next == scroll)
        return;
    scroll = next;
    ::SetScrollPos(window, SB_VERT, static_cast<int>(scroll), TRUE);
    ::InvalidateRect(window, nullptr, FALSE);
}

// Painted off screen first, so scrolling and new captions never flicker.
void MarkupLabel::Paint(HDC target) {
    RECT client{};
    ::GetClientRect(window, &client);
    HDC dc = ::CreateCompatibleDC(target);
    HBITMAP bitmap =
        ::CreateCompatibleBitmap(target, std::max(1L, client.right), std::max(1L, client.bottom));
    HGDIOBJ previous = ::SelectObject(dc, bitmap);
    auto background = reinterpret_cast<HBRUSH>(
        ::SendMessageW(::GetParent(window), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(window)));
    ::FillRect(dc, &client, background ? background : ::GetSysColorBrush(COLOR_BTNFACE));
    PaintDisplayList(dc, content.display, scroll, fonts);
    ::BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ::SelectObject(dc, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

LRESULT CALLBACK MarkupLabel::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    return Guarded(window, LRESULT{0}, [&] {
        if (message == WM_NCCREATE)
            ::SetWindowLongPtrW(window, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(new MarkupLabel(window)));
        MarkupLabel* label = Of(window);
        if (!label)
            return ::DefWindowProcW(window, message, w, l);
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            delete label;
            return ::DefWindowProcW(window, message, w, l);
        }
        return label->Handle(message, w, l);
    });
}

LRESULT MarkupLabel::Handle(UINT message, WPARAM w, LPARAM l) {
    const double line = 3 * 16 * look.Theme().scale;
    const double page = std::max(line, VisibleHeight() - line);
    switch (message) {
    case WM_SIZE:
    case WM_SYSCOLORCHANGE:
        Relayout();
        return 0;
    case WM_SETTEXT: // kept by the system too, for GetWindowText and automation
        SetCaption(l ? reinterpret_cast<const char16_t*>(l) : u"");
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFONT:
        font = reinterpret_cast<HFONT>(w);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font);
    case WM_PAINT: {
        PAINTSTRUCT paint;
        Paint(::BeginPaint(window, &paint));
        ::EndPaint(window, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(w));
        return 0;
    case WM_VSCROLL: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        ::GetScrollInfo(window, SB_VERT, &info);
        switch (LOWORD(w)) {
        case SB_LINEUP:
            ScrollTo(scroll - line);
            break;
        case SB_LINEDOWN:
            ScrollTo(scroll + line);
            break;
        case SB_PAGEUP:
            ScrollTo(scroll - page);
            break;
        case SB_PAGEDOWN:
            ScrollTo(scroll + page);
            break;
        case SB_TOP:
            ScrollTo(0);
            break;
        case SB_BOTTOM:
            ScrollTo(content.display.contentHeight);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            ScrollTo(info.nTrackPos);
            break;
        }
        return 0;
    }
    case WM_MOUSEWHEEL:
        wheelRest += GET_WHEEL_DELTA_WPARAM(w);
        ScrollTo(scroll - line * (wheelRest / WHEEL_DELTA));
        wheelRest %= WHEEL_DELTA;
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        switch (w) {
        case VK_UP:
            ScrollTo(scroll - line);
            return 0;
        case VK_DOWN:
            ScrollTo(scroll + line);
            return 0;
        case VK_PRIOR:
            ScrollTo(scroll - page);
            return 0;
        case VK_NEXT:
            ScrollTo(scroll + page);
            return 0;
        case VK_HOME:
            ScrollTo(0);
            return 0;
        case VK_END:
            ScrollTo(content.display.contentHeight);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        if (::GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP)
            ::SetFocus(window);
        return 0;
    }
    return ::DefWindowProcW(window, message, w, l);
}

} // namespace ui::win32
