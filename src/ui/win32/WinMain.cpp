// Asistencia Remota on Windows: no switches, no environment, the build's configuration.
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

session::Configuration Configuration() {
    session::Configuration config = app::ProductionConfiguration();
#ifdef ASR_TEST_SERVICE_HOST
    // The end-to-end test's build talks to the stand-in service on this machine.
    config.serviceHost = u"" ASR_TEST_SERVICE_HOST;
#endif
    return config;
}

int Run() {
    const session::Configuration config = Configuration();
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
