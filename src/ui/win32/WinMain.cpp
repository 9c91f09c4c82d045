// Asistencia Remota on Windows: no switches, no environment, the configuration the program
// links (the end-to-end test's program links the stand-in service's host).
#include "app/Main.h"
#include "app/ProductionConfiguration.h"
#include "platform/SystemOs.h"
#include "ui/Windows.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Api.h"
#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/Win32EventPump.h"
#include "ui/win32/Win32ViewFactory.h"

#include <exception>
#include <string>

namespace {

int Run() {
    const session::Configuration config = app::ProductionConfiguration();
    auto os = platform::CreateSystemOs(config.installDir);
    ui::win32::Win32Dialogs dialogs;
    ui::win32::Win32EventPump events;
    session::SessionState session;
    session::Context context{*os, dialogs, events, session, config};
    ui::win32::Win32ViewFactory views;
    ui::Windows windows(context, views);

    app::Main(context, windows);
    MSG message;
    while (windows.AnyLoaded() && ::GetMessageW(&message, nullptr, 0, 0) > 0)
        ui::win32::DispatchWithNavigation(&message);
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        return Run();
    } catch (const std::exception& failure) {
        ::MessageBoxW(nullptr, ui::win32::WideFromUtf8(failure.what()).c_str(),
                      L"Asistencia Remota", MB_OK | MB_ICONERROR);
        return 1;
    }
}
