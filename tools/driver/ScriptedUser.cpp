#include "ScriptedUser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QWidget>

namespace driver {

ScriptedUser::ScriptedUser(std::chrono::milliseconds stepTimeout,
                           std::chrono::milliseconds pollInterval)
    : stepTimeout(stepTimeout) {
    timer.setInterval(pollInterval);
    connect(&timer, &QTimer::timeout, this, &ScriptedUser::Poll);
}

ScriptedUser& ScriptedUser::Then(QString what, std::function<bool()> ready,
                                 std::function<void()> act) {
    steps.push_back({std::move(what), std::move(ready), std::move(act)});
    return *this;
}

void ScriptedUser::Start() {
    stepStarted = std::chrono::steady_clock::now();
    timer.start();
}

void ScriptedUser::Finish() {
    timer.stop();
    while (!Finished() && failure.isEmpty() && steps[next].ready())
        steps[next++].act();
    if (!Finished() && failure.isEmpty())
        failure = QStringLiteral("the program ended before: ") + steps[next].what;
}

void ScriptedUser::Poll() {
    if (Finished() || !failure.isEmpty())
        return timer.stop();
    Step& step = steps[next];
    if (!step.ready()) {
        if (std::chrono::steady_clock::now() - stepStarted > stepTimeout)
            Fail();
        return;
    }
    ++next;
    stepStarted = std::chrono::steady_clock::now();
    QTimer::singleShot(0, this, step.act);
}

void ScriptedUser::Fail() {
    failure = QStringLiteral("timed out waiting for: ") + steps[next].what;
    timer.stop();
    for (int guard = 0; guard < 10 && QApplication::activeModalWidget(); ++guard)
        QApplication::activeModalWidget()->close();
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::exit(1);
}

QWidget* Window(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            return window;
    return nullptr;
}

QWidget* Control(const QString& window, const QString& name, int index) {
    QWidget* form = Window(window);
    if (!form)
        return nullptr;
    for (QWidget* control : form->findChildren<QWidget*>(name))
        if (control->property("index").toInt() == index)
            return control;
    return nullptr;
}

QMessageBox* ShownMessageBox() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

bool NoWindowShown() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            return false;
    return true;
}

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void Type(QWidget* widget, const QString& text) {
    widget->setFocus();
    for (QChar c : text) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(widget, Qt::Key_Return);
            continue;
        }
        const bool plain = c.unicode() < 0x80 && c.isLetterOrNumber();
        const auto key = plain ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}

void PressEnter(QWidget* widget) {
    QTest::keyClick(widget, Qt::Key_Return);
}

bool SavePicture(QWidget* window, const QString& file) {
    return window && window->grab().save(file, "PNG");
}

} // namespace driver
