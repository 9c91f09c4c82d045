// The real program offscreen over the demo shop's database, a registry export, the stand-in
// support service and the real wget: a support request, then a second run that looks the
// incident up.
#include "IncidentStore.h"
#include "ScratchFolder.h"
#include "Walks.h"
#include "app/qt/Program.h"

#include <QProcess>
#include <QTest>

namespace {

bool Walk(driver::ScriptedUser& user, const session::Configuration& config) {
    user.Start();
    app::qt::RunProgram(config);
    user.Finish();
    return user.Finished();
}

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void requestThenLookup();
};

void EndToEndTest::requestThenLookup() {
    const fixtures::ScratchFolder installation(fixtures::ServerReachable / "e2e", true);
    const std::string folder = installation.folder.string();
    QCOMPARE(QProcess::execute(ASR_MAKE_INSTALLATION, {QString::fromStdString(folder)}), 0);
    const std::string database = folder + "/incidencias.db";
    QProcess service;
    service.start(ASR_SUPPORT_SERVICE, {"0", QString::fromStdString(database)});
    QVERIFY(service.waitForReadyRead(10000));
    const QString listening = QString::fromUtf8(service.readLine()).trimmed();
    QVERIFY2(listening.startsWith("listening on "), qPrintable(listening));
    const session::Configuration config{.installDir = std::u16string(folder.begin(), folder.end()),
                                        .pathSeparator = u'/',
                                        .serviceHost = listening.mid(13).toStdU16String(),
                                        .webHost = u"www.lunadoro.example",
                                        .supportEmail = u"soporte@lunadoro.example",
                                        .standbyPhone = u"(+34) 900 000 000"};

    driver::RequestWalk request{.problem = QStringLiteral("No abre el cajón\n¿Ayuda?"),
                                .name = QStringLiteral("Begoña Muñoz"),
                                .phone = QStringLiteral("600 000 000")};
    driver::ScriptedUser requesting;
    driver::WalkRequest(requesting, request);
    QVERIFY2(Walk(requesting, config), qPrintable(requesting.Failure()));
    QCOMPARE(request.shownId, QStringLiteral("123.456.789"));
    QVERIFY2(!request.number.isEmpty(), qPrintable(request.title));
    QVERIFY(request.message.contains("\r\n\r\n" + request.number + "\r\n\r\n"));
    QCOMPARE(request.progress, QStringLiteral("Enviando incidencia..."));
    support_service::IncidentStore store(database);
    const auto filed = store.FindByNumber(request.number.toLongLong());
    QVERIFY(filed && filed->lines.size() == 1);
    const QString observation = QString::fromStdString(filed->lines[0].observation);
    for (const char* part : {"Contacto: Begoña Muñoz Teléfono: 600 000 000",
                             "TeamViewer ID = 123456789", "Incidencia: No abre el cajón\n¿Ayuda?"})
        QVERIFY2(observation.contains(QString::fromUtf8(part)), qPrintable(observation));

    driver::LookupWalk lookup{.number = request.number};
    driver::ScriptedUser looking;
    driver::WalkLookup(looking, lookup);
    QVERIFY2(Walk(looking, config), qPrintable(looking.Failure()));
    QVERIFY(lookup.markup.contains("Aviso número: " + request.number));
    QVERIFY(lookup.markup.contains("En Curso"));
    service.terminate();
    service.waitForFinished();
}

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
