#include "ui/qt/AccessibleRoles.h"

#include "ui/qt/Controls.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/MarkupLabel.h"

#include <QAccessibleWidget>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace ui::qt {

namespace {

// Read-only text: its words by character, word and line (each block of the markup a line),
// with the caret at the start and nothing selected.
class MarkupText : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit MarkupText(QWidget* label) : QAccessibleWidget(label, QAccessible::EditableText) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? Words() : QAccessibleWidget::text(kind);
    }

    QString text(int start, int end) const override { return Words().mid(start, end - start); }
    int characterCount() const override { return int(Words().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

private:
    QString Words() const { return static_cast<MarkupLabel*>(widget())->PlainText(); }
};

class LinkLabel : public QAccessibleWidget {
public:
    explicit LinkLabel(QWidget* label) : QAccessibleWidget(label, QAccessible::Link) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
};

// A window of the program: a dialog when it has an owner or holds the others, else a frame.
class Frame : public QAccessibleWidget {
public:
    explicit Frame(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
    QAccessible::Role role() const override {
        return widget()->parentWidget() || widget()->isModal() ? QAccessible::Dialog
                                                               : QAccessible::Window;
    }
};

QAccessibleInterface* RoleOf(const QString&, QObject* object) {
    if (auto* window = qobject_cast<FormWindow*>(object))
        return new Frame(window);
    if (auto* markup = qobject_cast<MarkupLabel*>(object))
        return new MarkupText(markup);
    if (auto* label = qobject_cast<ControlLabel*>(object); label && label->IsLink())
        return new LinkLabel(label);
    return nullptr;
}

} // namespace

void InstallAccessibleRoles() {
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(RoleOf);
    installed = true;
}

// Qt 6.4 has no announcement of its own: the event goes out on the connection its bridge
// opened to the accessibility bus (named "a11y"), from the control's object there.
void Announce(QWidget* control, const QString& text) {
    QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* object = QAccessible::queryAccessibleInterface(control);
    if (!bus.isConnected() || !object)
        return;
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/") +
                         QString::number(QAccessible::uniqueId(object));
    QDBusMessage event = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("Announcement"));
    constexpr int polite = 1; // after what the reader is saying
    event << QString() << polite << 0 << QVariant::fromValue(QDBusVariant(text)) << QVariantMap();
    bus.send(event);
}

} // namespace ui::qt
