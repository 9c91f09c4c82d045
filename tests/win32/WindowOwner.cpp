// Test program: owns a hidden top-level window titled "TeamViewer test" until it is
// terminated, or for a minute at most so that a failed test leaves nothing behind.
#include <windows.h>

int main() {
    HWND window = CreateWindowExA(0, "STATIC", "TeamViewer test", WS_OVERLAPPED, 0, 0, 200, 100,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window)
        return 2;
    SetTimer(window, 1, 60000, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER)
            break;
        DispatchMessageA(&message);
    }
    return 0;
}
