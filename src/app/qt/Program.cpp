#include "app/qt/Program.h"

#include "app/Main.h"
#include "platform/SystemOs.h"
#include "ui/qt/PictureResources.h"
#include "ui/qt/QtDialogs.h"
#include "ui/qt/QtViewFactory.h"

#include <QApplication>

namespace app::qt {

int RunProgram(const session::Configuration& config) {
    QApplication::setWindowIcon(ui::qt::ProgramIcon());
    auto os = platform::CreateSystemOs(config.installDir);
    ui::qt::QtDialogs dialogs;
    ui::qt::QtEventPump events;
    session::SessionState session;
    session::Context context{*os, dialogs, events, session, config};
    ui::qt::QtViewFactory views(*os, [] { QCoreApplication::exit(0); });
    ui::Windows windows(context, views);

    Main(context, windows);
    const int status = windows.AnyLoaded() ? QApplication::exec() : 0;
    // The closed windows go now, with the run they belong to.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace app::qt
