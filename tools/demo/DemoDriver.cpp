// The demonstration without a desktop: the real program, built on the same libraries,
// walked through by a scripted user offscreen. A support request is typed and sent, then
// a second run looks the incident up. Each window is saved as a picture.
//   asr_demo_driver PICTURES_FOLDER
#include "Walks.h"
#include "app/ProductionConfiguration.h"
#include "app/qt/Program.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {

bool Run(driver::ScriptedUser& user, const session::Configuration& config) {
    user.Start();
    app::qt::RunProgram(config);
    user.Finish();
    if (!user.Failure().isEmpty())
        std::fprintf(stderr, "demo: %s\n", qPrintable(user.Failure()));
    return user.Finished();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PICTURES_FOLDER\n", argv[0]);
        return 2;
    }
    int toolkitArguments = 1;
    QApplication application(toolkitArguments, argv);
    const QString pictures = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(pictures);
    const session::Configuration config = app::ProductionConfiguration();

    driver::RequestWalk request{.problem = QStringLiteral("La impresora de tickets no corta el "
                                                          "papel. ¿Pueden revisarlo?"),
                                .name = QStringLiteral("Begoña Muñoz"),
                                .phone = QStringLiteral("600 000 000"),
                                .pictures = pictures};
    driver::ScriptedUser requesting;
    driver::WalkRequest(requesting, request);
    if (!Run(requesting, config))
        return 1;
    std::printf("ID shown: %s\n%s\n", qPrintable(request.shownId), qPrintable(request.title));
    if (request.number.isEmpty())
        return 1;

    driver::LookupWalk lookup{.number = request.number, .pictures = pictures};
    driver::ScriptedUser looking;
    driver::WalkLookup(looking, lookup);
    if (!Run(looking, config))
        return 1;
    std::printf("Incident number: %s\nPictures: %s/[1-5]-*.png\n", qPrintable(request.number),
                qPrintable(pictures));
    return 0;
}
