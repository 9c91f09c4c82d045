#include "ui/win32/Win32EventPump.h"

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

void DispatchWithNavigation(const void* pending) {
    auto* message = static_cast<const MSG*>(pending);
    HWND top = message->hwnd ? ::GetAncestor(message->hwnd, GA_ROOT) : nullptr;
    // A key pressed shows the focus marks from then on, as the system does after Tab.
    if (top && (message->message == WM_KEYDOWN || message->message == WM_SYSKEYDOWN))
        ::SendMessageW(top, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    if (top && ::IsDialogMessageW(top, const_cast<MSG*>(message)))
        return;
    ::TranslateMessage(message);
    ::DispatchMessageW(message);
}

// A WM_QUIT seen here is left for the main loop, which ends the program.
void Win32EventPump::ProcessPendingEvents() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(int(message.wParam));
            return;
        }
        DispatchWithNavigation(&message);
    }
}

} // namespace ui::win32
