#pragma once

#include "ui/ViewEvents.h"

#include <QDBusAbstractAdaptor>
#include <QString>

namespace ui::qt {

// The main window's close command on Linux, where Windows has DDE: the window listens on
// the session bus under ServiceName(), object path /FrmMain, method Execute(command). The
// command goes to the window as sent; it is never acknowledged as accepted. Without a
// session bus the window simply does not listen.
class CloseCommandBus : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "es.lunadoro.FrmMain")

public:
    static constexpr const char* ObjectPath = "/FrmMain";

    // Starts listening for the window, for as long as it lives.
    static void Listen(QWidget* window, ViewEvents& events);
    // es.lunadoro. followed by the executable's name, made a valid bus name element.
    static QString ServiceName();

    ~CloseCommandBus() override;

public slots:
    bool Execute(const QString& command);

private:
    CloseCommandBus(QWidget* window, ViewEvents& events);

    ViewEvents& events;
    bool registered = false;
};

} // namespace ui::qt
