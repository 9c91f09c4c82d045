#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <vector>

class QAbstractButton;
class QMessageBox;
class QWidget;

namespace driver {

// Plays the user's part against the program's windows, in the program's own process: each
// step waits until its condition holds, then acts. Actions run from the event loop, never
// inside the check, so an action may open a modal box the next step answers. A step that
// waits too long fails the walk: every window is closed so nothing hangs.
class ScriptedUser : public QObject {
    Q_OBJECT
public:
    explicit ScriptedUser(std::chrono::milliseconds stepTimeout = std::chrono::seconds(30),
                          std::chrono::milliseconds pollInterval = std::chrono::milliseconds(20));

    ScriptedUser& Then(QString what, std::function<bool()> ready, std::function<void()> act);
    void Start();
    // Once the program's event loop has ended: the steps whose conditions now hold end the
    // walk (the program's end, typically).
    void Finish();

    bool Finished() const { return next == steps.size(); }
    const QString& Failure() const { return failure; }

private:
    struct Step {
        QString what;
        std::function<bool()> ready;
        std::function<void()> act;
    };
    void Poll();
    void Fail();

    std::vector<Step> steps;
    size_t next = 0;
    std::chrono::milliseconds stepTimeout;
    std::chrono::steady_clock::time_point stepStarted;
    QTimer timer;
    QString failure;
};

// The visible window of that object name, or null.
QWidget* Window(const QString& name);
// A control of a visible window by its object name (and index in a control array).
QWidget* Control(const QString& window, const QString& name, int index = -1);
template <typename Widget>
Widget* ControlAs(const QString& window, const QString& name, int index = -1) {
    return qobject_cast<Widget*>(Control(window, name, index));
}
// The message box shown modally, or null.
QMessageBox* ShownMessageBox();
bool NoWindowShown();

// What a user does, one event at a time, as a real user's actions arrive.
void Click(QWidget* widget);
// Types the text character by character (accented letters too; a line feed is Enter).
void Type(QWidget* widget, const QString& text);
void PressEnter(QWidget* widget);
// Saves the window as drawn, as a PNG picture; true when written.
bool SavePicture(QWidget* window, const QString& file);

} // namespace driver
