// One start-up of the Windows program for the start-up benchmark under Wine
// (asr_bench_startup_wine), in a process of its own:
//   asr_startup_probe_win32 program|baseline INSTALLATION
// "program" is the real program's start-up (app::win32::RunProgram, as WinMain.cpp runs it)
// up to its terms window (the Splash form: its class and caption); "baseline" is a bare
// Win32 program that shows one window of the main window's size. At the first paint of that
// window it prints "painted WORKING_SET_KB" and ends. The first paint is the window's own
// WM_PAINT handled (background, pictures; its controls paint after it), the point the Qt
// probe stops at too.
#include "app/ProductionConfiguration.h"
#include "app/win32/Program.h"
#include "ui/FormTables.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Api.h"

#include <cstdio>
#include <cstdlib>
#include <psapi.h>
#include <string>

namespace {

constexpr const wchar_t* BaselineClass = L"AsistenciaRemota.Baseline";
// The window whose first paint ends the run: its class, and its caption if any.
const wchar_t* watchedClass = nullptr;
std::wstring watchedCaption;

LRESULT CALLBACK Painted(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    const LRESULT result = ::DefSubclassProc(window, message, w, l);
    if (message == WM_PAINT) {
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory);
        std::printf("painted %lu\n", static_cast<unsigned long>(memory.WorkingSetSize / 1024));
        std::fflush(stdout);
        ::TerminateProcess(::GetCurrentProcess(), 0);
    }
    return result;
}

// Subclasses the watched window as it is created, before its first message, whoever
// creates it: the program's windows are made deep inside its start-up.
LRESULT CALLBACK Created(int code, WPARAM w, LPARAM l) {
    if (code == HCBT_CREATEWND) {
        auto window = reinterpret_cast<HWND>(w);
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(l)->lpcs;
        wchar_t type[64] = L"";
        ::GetClassNameW(window, type, 64);
        // The program tells a failed start-up in a box, which would wait for a user forever.
        if (std::wstring(type) == L"#32770") {
            std::fprintf(stderr, "a message box before the first paint: the start-up failed\n");
            std::fflush(stderr);
            ::TerminateProcess(::GetCurrentProcess(), 1);
        }
        if (std::wstring(type) == watchedClass &&
            (watchedCaption.empty() || (create->lpszName && create->lpszName == watchedCaption)))
            ::SetWindowSubclass(window, Painted, 0, 0);
    }
    return ::CallNextHookEx(nullptr, code, w, l);
}

LRESULT CALLBACK BaselineProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY)
        ::PostQuitMessage(0);
    return ::DefWindowProcW(window, message, w, l);
}

int RunBaseline() {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = BaselineProcedure;
    type.hInstance = ::GetModuleHandleW(nullptr);
    type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    type.lpszClassName = BaselineClass;
    ::RegisterClassExW(&type);
    // 797 x 631 pixels inside the frame, as the Qt baseline.
    RECT frame{0, 0, 797, 631};
    ::AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND window =
        ::CreateWindowExW(0, BaselineClass, L"baseline", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                          CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                          nullptr, nullptr, type.hInstance, nullptr);
    if (!window)
        return 1;
    ::ShowWindow(window, SW_SHOW);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 1;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (__argc != 3)
        return 2;
    const std::wstring mode = __wargv[1];
    const bool program = mode == L"program";
    if (program) {
        watchedClass = ui::win32::FormWindow::ClassName;
        watchedCaption = ui::win32::Wide(ui::SplashTable().caption);
    } else {
        watchedClass = BaselineClass;
    }
    ::SetWindowsHookExW(WH_CBT, Created, nullptr, ::GetCurrentThreadId());
    if (!program)
        return RunBaseline();
    // The program's own configuration, in the installation given.
    session::Configuration config = app::ProductionConfiguration();
    config.installDir = ui::win32::FromWide(__wargv[2]);
    app::win32::RunProgram(config);
    return 1;
}
