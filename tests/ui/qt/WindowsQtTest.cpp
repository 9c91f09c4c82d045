// The Qt windows, offscreen: built from their tables, found by object name, clicked and
// typed into as a user does, their message boxes answered.
#include "../FakeWindows.h"
#include "ScriptedUser.h"
#include "app/Main.h"
#include "ui/FormTables.h"
#include "ui/Splash.h"
#include "ui/Windows.h"
#include "ui/frmMain.h"
#include "ui/qt/CloseCommandBus.h"
#include "ui/qt/MarkupLabel.h"
#include "ui/qt/QtDialogs.h"
#include "ui/qt/QtText.h"
#include "ui/qt/QtViewFactory.h"
#include "ui/qt/Scale.h"

#include <QDBusConnection>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace driver;

namespace {

using ui::test_support::AgentKey, ui::test_support::Hklm;

QWidget* TermsShown() {
    return Window("Splash");
}
void AcceptTerms() {
    Click(Control("Splash", "Ch00"));
    Click(Control("Splash", "Bt00"));
}

// The program over the fake OS, with the real windows and dialogs.
struct QtRun {
    QtRun() {
        os.SetRegistryDword(Hklm, AgentKey, u"ClientID", 1234567890);
        os.sysColors[platform::ColorGradientActiveCaption] = 0x00FF00; // green
    }
    fixtures::FakeOs os;
    ui::qt::QtDialogs dialogs;
    ui::qt::QtEventPump events;
    session::SessionState session;
    session::Context context{os, dialogs, events, session, ui::test_support::Installation};
    bool over = false;
    ui::qt::QtViewFactory views{os, [this] { over = true; }};
    ui::Windows windows{context, views};

    // Terms accepted and the main window shown, agent current, no database.
    void Start() {
        os.SetRegistryString(Hklm, AgentKey, u"Version", u"15.48.4");
        ScriptedUser user;
        user.Then("terms", TermsShown, AcceptTerms)
            .Then(
                "company prompt",
                [] { return qobject_cast<QInputDialog*>(QApplication::activeModalWidget()); },
                [] { static_cast<QDialog*>(QApplication::activeModalWidget())->reject(); })
            .Start();
        app::Main(context, windows);
        QVERIFY2(user.Finished(), qPrintable(user.Failure()));
    }
};

QColor ForeColour(QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

} // namespace

class WindowsQtTest : public QObject {
    Q_OBJECT
private slots:
    void windowsAreBuiltFromTheirTables();
    void startupAnswersItsBoxesAndShowsTheMainWindow();
    void linkLabelsFollowThePointer();
    void markupLabelPaintsAndScrolls();
    void closeCommandOnTheSessionBus();
};

void WindowsQtTest::windowsAreBuiltFromTheirTables() {
    QtRun run;
    const ui::qt::Scale scale = ui::qt::Scale::OfScreen();
    const ui::FormTable forms[] = {ui::SplashTable(), ui::FrmMainTable(run.context.config),
                                   ui::FrmExplicaTable(), ui::FrmDialogTable()};
    for (const ui::FormTable& form : forms) {
        ui::FormEvents events;
        auto view = run.views.CreateView(form, events);
        view->Show(nullptr);
        QWidget* window = Window(ui::qt::ToQString(form.name));
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), ui::qt::ToQString(form.caption));
        QCOMPARE(window->size(), scale.Size(form.clientWidth, form.clientHeight));
        for (const ui::ControlEntry& entry : form.controls) {
            QWidget* control =
                Control(window->objectName(), ui::qt::ToQString(entry.name), entry.index);
            QVERIFY2(control, qPrintable(ui::qt::ToQString(entry.name)));
            const QRect place = scale.Rect(entry.place); // labels widen to fit their text
            QCOMPARE(control->pos(), place.topLeft());
            QCOMPARE(control->height(), place.height());
            QVERIFY(control->width() >= place.width());
            QVERIFY(control->width() == place.width() || qobject_cast<QLabel*>(control));
            QCOMPARE(control->isVisibleTo(window), entry.visible);
            if (!entry.font.name.empty())
                QCOMPARE(control->font().family(), ui::qt::ToQString(entry.font.name));
            if (auto* label = qobject_cast<QLabel*>(control))
                QCOMPARE(label->text(), ui::qt::ToQString(entry.caption));
        }
        view->Close();
    }
}

void WindowsQtTest::startupAnswersItsBoxesAndShowsTheMainWindow() {
    QtRun run;
    run.os.SetRegistryString(Hklm, AgentKey, u"Version", u"9.0.1");
    QString notice;
    ScriptedUser user;
    user.Then("terms", TermsShown, AcceptTerms)
        .Then(
            "agent notice", [] { return ShownMessageBox(); },
            [&] {
                notice = ShownMessageBox()->windowTitle();
                Click(ShownMessageBox()->button(QMessageBox::Ok));
            })
        .Then(
            "company prompt",
            [] { return qobject_cast<QInputDialog*>(QApplication::activeModalWidget()); },
            [] {
                auto* prompt = static_cast<QInputDialog*>(QApplication::activeModalWidget());
                QLineEdit* box = prompt->findChild<QLineEdit*>();
                box->clear();
                Type(box, QStringLiteral("Ferretería Ñandú"));
                PressEnter(box);
            })
        .Start();
    app::Main(run.context, run.windows);

    QVERIFY2(user.Finished(), qPrintable(user.Failure()));
    QCOMPARE(notice, QStringLiteral("Teamviewer no instalado"));
    QCOMPARE(run.session.CustomerName, std::u16string(u"Ferretería Ñandú"));
    QVERIFY(Window("frmMain"));
    QCOMPARE(ControlAs<QLabel>("frmMain", "Lb05")->text(), QStringLiteral("1.234.567.890"));
}

void WindowsQtTest::linkLabelsFollowThePointer() {
    QtRun run;
    run.Start();
    QWidget* main = Window("frmMain");
    QWidget* tutorials = Control("frmMain", "Lb10", 0);
    QTest::mouseMove(tutorials, tutorials->rect().center());
    QTRY_COMPARE(ForeColour(tutorials), QColor(Qt::blue));
    QVERIFY(tutorials->font().underline());
    QTest::mouseMove(main, QPoint(2, 2)); // the window's own margin
    QTRY_COMPARE(ForeColour(tutorials), QColor(Qt::black));
    QVERIFY(!tutorials->font().underline());

    Click(Control("frmMain", "Lb10", 2));
    QCOMPARE(run.os.shellCalls.size(), size_t(1));
    QCOMPARE(run.os.shellCalls[0].target,
             std::u16string(u"https://ayuda.example.net/soporte/formacion"));

    Click(Control("frmMain", "Lb10", 3));
    QVERIFY(Window("frmDialog"));
    QVERIFY(!Control("frmDialog", "Bt00")->isVisible()); // no touch screen
    main->close();
    QVERIFY(run.over);
    QVERIFY(!Window("frmDialog"));
}

void WindowsQtTest::markupLabelPaintsAndScrolls() {
    QtRun run;
    ScriptedUser user;
    QImage terms;
    user.Then(
            "terms", [] { return Window("Splash"); },
            [&] {
                terms = Control("Splash", "Lb00")->grab().toImage();
                Window("Splash")->close();
            })
        .Start();
    QVERIFY(!run.windows.SplashWindow().Seguir());
    QVERIFY2(user.Finished(), qPrintable(user.Failure()));
    QCOMPARE(terms.pixelColor(terms.width() / 2, 4), QColor(Qt::green)); // the system colour
    QCOMPARE(terms.pixelColor(0, 0), QColor(0x76, 0x76, 0x76));          // the border

    auto* label = new ui::qt::MarkupLabel({}, nullptr);
    label->resize(200, 100);
    label->SetMarkup(u"<TextBlock TextWrapping='Wrap'>" + std::u16string(400, u'x') +
                     u"<LineBreak/>fin</TextBlock>");
    QVERIFY(label->verticalScrollBar()->maximum() > 0);
    label->SetMarkup(u"<TextBlock Text='corto'/>");
    QCOMPARE(label->verticalScrollBar()->maximum(), 0);
    delete label;
}

void WindowsQtTest::closeCommandOnTheSessionBus() {
    if (!QDBusConnection::sessionBus().isConnected())
        QSKIP("no session bus: the program runs without the close command");
    QtRun run;
    run.Start();
    const QString service = ui::qt::CloseCommandBus::ServiceName();
    // Another program sends the command; this one answers it from its event loop.
    auto send = [&](const QString& command) {
        QProcess call;
        call.start("dbus-send", {"--session", "--print-reply", "--dest=" + service, "/FrmMain",
                                 "es.lunadoro.FrmMain.Execute", "string:" + command});
        for (int wait = 0; wait < 500 && call.state() != QProcess::NotRunning; ++wait)
            QTest::qWait(20);
        return QString::fromUtf8(call.readAllStandardOutput());
    };
    QVERIFY(send("cerrar").contains("boolean false"));
    QVERIFY(Window("frmMain"));
    QVERIFY(send("Cerrar").contains("boolean false"));
    QVERIFY(!Window("frmMain"));
    QVERIFY(run.over);
}

QTEST_MAIN(WindowsQtTest)
#include "WindowsQtTest.moc"
