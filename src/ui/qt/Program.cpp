#include "ui/qt/Program.h"

#include "app/Main.h"
#include "platform/SystemOs.h"
#include "ui/qt/PictureResources.h"
#include "ui/qt/QtDialogs.h"
#include "ui/qt/QtViewFactory.h"

#include <QApplication>

namespace ui::qt {

int RunProgram(const session::Configuration& config) {
    QApplication::setWindowIcon(ProgramIcon());
    auto os = platform::CreateSystemOs(config.installDir);
    QtDialogs dialogs;
    QtEventPump events;
    session::SessionState session;
    session::Context context{*os, dialogs, events, session, config};
    QtViewFactory views(*os, [] { QCoreApplication::exit(0); });
    Windows windows(context, views);

    app::Main(context, windows);
    const int status = windows.AnyLoaded() ? QApplication::exec() : 0;
    // The closed windows go now, with the run they belong to.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace ui::qt
