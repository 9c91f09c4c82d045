#include "app/win32/Program.h"

#include "platform/SystemOs.h"
#include "ui/ViewEvents.h"
#include "ui/Windows.h"
#include "ui/win32/Win32Api.h"
#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/Win32EventPump.h"
#include "ui/win32/Win32ViewFactory.h"

#include <exception>

namespace app::win32 {

namespace {

int Run(const session::Configuration& config, const StartUp& startUp,
        ui::win32::Win32Dialogs& dialogs) {
    auto os = platform::CreateSystemOs(config.installDir);
    ui::win32::Win32EventPump events;
    session::SessionState session;
    session::Context context{*os, dialogs, events, session, config};
    ui::win32::Win32ViewFactory views;
    ui::Windows windows(context, views);

    startUp(context, windows);
    MSG message;
    while (windows.AnyLoaded() && ::GetMessageW(&message, nullptr, 0, 0) > 0)
        ui::win32::DispatchWithNavigation(&message);
    return 0;
}

} // namespace

int RunProgram(const session::Configuration& config, const StartUp& startUp) {
    ui::win32::Win32Dialogs dialogs;
    try {
        return Run(config, startUp, dialogs);
    } catch (...) {
        // The windows of the run are gone by now: the box stands alone.
        ui::ReportFailure(dialogs, {}, ui::HandlerFailureText(std::current_exception()));
        return 1;
    }
}

} // namespace app::win32
