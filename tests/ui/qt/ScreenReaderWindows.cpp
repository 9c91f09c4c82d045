// The four windows of the program on a real display, for a screen reader to read over
// AT-SPI (read-windows.py): the terms with their text, the main window, the support form,
// the lookup dialog looking a number up every so often, and after a while a message box with
// an input box over it. Ends when its standard input closes (the reader is done), or after a
// while.
#include "../FakeWindows.h"
#include "FakeOs.h"
#include "ui/FormTables.h"
#include "ui/TermsText.h"
#include "ui/Windows.h"
#include "ui/frmMain.h"
#include "ui/qt/QtDialogs.h"
#include "ui/qt/QtViewFactory.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QTimer>
#include <unistd.h>

using namespace ui::test_support;

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    fixtures::FakeOs os;
    os.SetRegistryDword(Hklm, AgentKey, u"ClientID", 1234567890);
    os.ScriptProgram(u"C:\\Velmorn3\\Wget\\Wget.exe", {.pollsUntilExit = 1});
    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    session::SessionState session;
    session::Context context{os, dialogs, events, session, Installation};
    ui::qt::QtViewFactory views(os, [] {});
    ui::Windows windows(context, views);

    const ui::FormTable terms = ui::SplashTable();
    ui::FormEvents none;
    ui::ViewEvents termsEvents(terms, none, [](std::u16string_view) {});
    auto termsView = views.CreateView(termsEvents);
    termsView->SetCaption({u"Lb00"}, ui::TermsMarkup(u"(+34) 900 000 000"));
    termsView->Show(nullptr);

    windows.MainWindow().Show();
    windows.MainWindow().Click({u"Bt00"});
    windows.MainWindow().Click({u"Lb10", 3});
    // A lookup with Enter in the number box, again and again, for a reader that comes late.
    auto* lookups = new QTimer(&application);
    QObject::connect(lookups, &QTimer::timeout, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("frmDialog") &&
                !QApplication::activeModalWidget()) {
                auto* number = window->findChild<QLineEdit*>(QStringLiteral("Tx00"));
                number->setText(QStringLiteral("77"));
                number->setFocus();
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(number, &enter);
            }
    });
    lookups->start(1500);
    // The program's own boxes, one over the other, for their buttons' words.
    ui::qt::QtDialogs boxes;
    QTimer::singleShot(10000, [&boxes] {
        QTimer::singleShot(500,
                           [&boxes] { boxes.InputBox(u"Nombre de la empresa", u"Empresa", u""); });
        boxes.MessageBox(u"Sin conexión", u"No fue posible registrar su incidencia.",
                         platform::MessageIcon::Exclamation);
    });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&input] {
        char byte;
        if (read(STDIN_FILENO, &byte, 1) <= 0) {
            input.setEnabled(false);
            QApplication::quit();
        }
    });
    QTimer::singleShot(argc > 1 ? std::atoi(argv[1]) * 1000 : 30000, &application,
                       &QApplication::quit);
    return application.exec();
}
