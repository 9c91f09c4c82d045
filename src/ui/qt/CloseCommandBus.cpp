#include "ui/qt/CloseCommandBus.h"

#include "ui/qt/QtText.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QFileInfo>
#include <QWidget>

namespace ui::qt {

namespace {

constexpr char ServicePrefix[] = "es.lunadoro.";

bool IsNameCharacter(QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_') ||
           c == QLatin1Char('-');
}

} // namespace

QString CloseCommandBus::ServiceName() {
    QString element = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    for (QChar& c : element)
        if (!IsNameCharacter(c))
            c = QLatin1Char('_');
    // An element may not be empty nor begin with a digit.
    if (element.isEmpty() || element.front().isDigit())
        element.prepend(QLatin1Char('_'));
    return QLatin1String(ServicePrefix) + element;
}

void CloseCommandBus::Listen(QWidget* window, ViewEvents& events) {
    new CloseCommandBus(window, events);
}

CloseCommandBus::CloseCommandBus(QWidget* window, ViewEvents& events)
    : QDBusAbstractAdaptor(window), events(events) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    registered =
        bus.registerObject(QLatin1String(ObjectPath), window) && bus.registerService(ServiceName());
}

CloseCommandBus::~CloseCommandBus() {
    if (!registered)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(ServiceName());
    bus.unregisterObject(QLatin1String(ObjectPath));
}

bool CloseCommandBus::Execute(const QString& command) {
    events.CommandArrived(FromQString(command));
    return false;
}

} // namespace ui::qt
