#include "app/qt/Program.h"

#include "platform/SystemOs.h"
#include "ui/ViewEvents.h"
#include "ui/qt/PictureResources.h"
#include "ui/qt/QtDialogs.h"
#include "ui/qt/QtViewFactory.h"

#include <QApplication>
#include <exception>

namespace app::qt {

namespace {

int Run(const session::Configuration& config, const StartUp& startUp, ui::qt::QtDialogs& dialogs) {
    auto os = platform::CreateSystemOs(config.installDir);
    ui::qt::QtEventPump events;
    session::SessionState session;
    session::Context context{*os, dialogs, events, session, config};
    ui::qt::QtViewFactory views(*os, [] { QCoreApplication::exit(0); });
    ui::Windows windows(context, views);

    startUp(context, windows);
    const int status = windows.AnyLoaded() ? QApplication::exec() : 0;
    // The closed windows go now, with the run they belong to.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace

int RunProgram(const session::Configuration& config, const StartUp& startUp) {
    QApplication::setWindowIcon(ui::qt::ProgramIcon());
    ui::qt::QtDialogs dialogs;
    try {
        return Run(config, startUp, dialogs);
    } catch (...) {
        // The windows of the run are gone by now: the box stands alone.
        ui::ReportFailure(dialogs, {}, ui::HandlerFailureText(std::current_exception()));
        return 1;
    }
}

} // namespace app::qt
