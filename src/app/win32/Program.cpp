#include "app/win32/Program.h"

#include "app/Main.h"
#include "platform/SystemOs.h"
#include "ui/Windows.h"
#include "ui/win32/Win32Api.h"
#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/Win32EventPump.h"
#include "ui/win32/Win32ViewFactory.h"

namespace app::win32 {

int RunProgram(const session::Configuration& config) {
    auto os = platform::CreateSystemOs(config.installDir);
    ui::win32::Win32Dialogs dialogs;
    ui::win32::Win32EventPump events;
    session::SessionState session;
    session::Context context{*os, dialogs, events, session, config};
    ui::win32::Win32ViewFactory views;
    ui::Windows windows(context, views);

    Main(context, windows);
    MSG message;
    while (windows.AnyLoaded() && ::GetMessageW(&message, nullptr, 0, 0) > 0)
        ui::win32::DispatchWithNavigation(&message);
    return 0;
}

} // namespace app::win32
