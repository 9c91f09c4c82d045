#include "ui/win32/Dpi.h"

namespace ui::win32 {

namespace {

// Calls that only Windows 10 has are looked up by name, so the program starts on older
// systems too and falls back to the screen's resolution there.
template <typename Function> Function User32(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32"), name)));
}

UINT ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? UINT(dpi) : 96;
}

} // namespace

UINT WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow && window ? getDpiForWindow(window) : 0;
    return dpi ? dpi : ScreenDpi();
}

SIZE FrameSize(int width, int height, DWORD style, DWORD exStyle, UINT dpi) {
    using Adjust = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32<Adjust>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, width, height};
    if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, exStyle, dpi))
        ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int SystemMetric(int index, UINT dpi) {
    static const auto forDpi = User32<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    return forDpi ? forDpi(index, dpi)
                  : ::MulDiv(::GetSystemMetrics(index), int(dpi), int(ScreenDpi()));
}

RECT WorkArea(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    // Wine keeps a work area set with SPI_SETWORKAREA out of the monitor's; Windows has
    // them agree on the primary monitor, whose work area that setting is.
    RECT system{}, both{};
    if ((monitor.dwFlags & MONITORINFOF_PRIMARY) &&
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &system, 0) &&
        ::IntersectRect(&both, &system, &monitor.rcWork))
        return both;
    return monitor.rcWork;
}

LOGFONTW MessageFont(UINT dpi) {
    using ParametersForDpi = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
    static const auto forDpi = User32<ParametersForDpi>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
        return metrics.lfMessageFont;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight =
        ::MulDiv(metrics.lfMessageFont.lfHeight, int(dpi), int(ScreenDpi()));
    return metrics.lfMessageFont;
}

} // namespace ui::win32
