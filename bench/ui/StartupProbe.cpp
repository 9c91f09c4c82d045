// One start-up for the start-up benchmark, in a process of its own:
//   asr_startup_probe program|baseline INSTALLATION
// "program" is the real program, its terms accepted as soon as they show; "baseline" is a
// bare Qt program that reads the same workstation profile and shows one window;
// "labelled" is that window with one line of text in it, to tell what drawing any text
// costs from what the program adds. At the first paint of the main window it prints
// "painted RESIDENT_KB" and ends.
#include "ScriptedUser.h"
#include "app/qt/Program.h"
#include "identity/WorkstationProfile.h"
#include "platform/SystemOs.h"
#include "text/Encoding.h"
#include "ui/qt/QtDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QWidget>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

// Ends the process at the first paint in the window of that name (of the window itself or
// of what fills it).
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QString window) : window(std::move(window)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->objectName() == window) {
            std::printf("painted %ld\n", ResidentKb());
            std::fflush(stdout);
            _exit(0);
        }
        return false;
    }

private:
    QString window;
};

session::Configuration Installation(const char* folder) {
    const std::string path(folder);
    return {.installDir = std::u16string(path.begin(), path.end()),
            .pathSeparator = u'/',
            .serviceHost = u"127.0.0.1:9",
            .webHost = u"www.lunadoro.example"};
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3)
        return 2;
    int toolkitArguments = 1;
    QApplication application(toolkitArguments, argv);
    const bool program = std::string(argv[1]) == "program";
    const session::Configuration config = Installation(argv[2]);
    FirstPaint painted(program ? QStringLiteral("frmMain") : QStringLiteral("baseline"));
    application.installEventFilter(&painted);

    if (program) {
        driver::ScriptedUser user(std::chrono::seconds(30), std::chrono::milliseconds(1));
        user.Then(
            "terms", [] { return driver::Window("Splash"); },
            [] {
                driver::Click(driver::Control("Splash", "Ch00"));
                driver::Click(driver::Control("Splash", "Bt00"));
            });
        user.Start();
        app::qt::RunProgram(config);
        return 1;
    }
    auto os = platform::CreateSystemOs(text::Utf8ToUtf16(argv[2]));
    ui::qt::QtDialogs dialogs;
    ui::qt::QtEventPump events;
    session::SessionState session;
    session::Context context{*os, dialogs, events, session, config};
    identity::LoadWorkstationProfile(context);
    QMainWindow window;
    window.setObjectName(QStringLiteral("baseline"));
    window.resize(797, 631);
    if (std::string(argv[1]) == "labelled")
        window.setCentralWidget(new QLabel(QStringLiteral("Asistencia Remota")));
    window.show();
    QApplication::exec();
    return 1;
}
