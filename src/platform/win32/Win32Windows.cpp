#include "platform/win32/AnsiText.h"
#include "platform/win32/Win32Os.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

namespace {

HWND AsWindow(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}
WindowHandle AsHandle(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

} // namespace

WindowHandle Win32Os::GetFirstWindow() {
    return AsHandle(::GetWindow(::GetDesktopWindow(), GW_CHILD));
}

WindowHandle Win32Os::GetNextWindow(WindowHandle window) {
    return AsHandle(::GetWindow(AsWindow(window), GW_HWNDNEXT));
}

int32_t Win32Os::GetWindowTextLength(WindowHandle window) {
    return ::GetWindowTextLengthA(AsWindow(window));
}

std::u16string Win32Os::GetWindowText(WindowHandle window, int32_t bufferSize) {
    if (bufferSize <= 0)
        return {};
    std::string title(size_t(bufferSize), '\0');
    const int copied = ::GetWindowTextA(AsWindow(window), title.data(), bufferSize);
    title.resize(size_t(copied > 0 ? copied : 0));
    return FromAnsi(title);
}

ProcessId Win32Os::GetWindowProcessId(WindowHandle window) {
    DWORD owner = 0;
    if (!::GetWindowThreadProcessId(AsWindow(window), &owner))
        return 0;
    return owner;
}

} // namespace platform::win32
