#include "ui/win32/Win32EventPump.h"

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

void DispatchWithNavigation(const void* pending) {
    auto* message = static_cast<const MSG*>(pending);
    HWND top = message->hwnd ? ::GetAncestor(message->hwnd, GA_ROOT) : nullptr;
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
