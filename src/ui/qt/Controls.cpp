#include "ui/qt/Controls.h"

#include "ui/Accessibility.h"
#include "ui/Keyboard.h"
#include "ui/Scale.h"
#include "ui/qt/MarkupLabel.h"
#include "ui/qt/PictureResources.h"
#include "ui/qt/QtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolTip>

namespace ui::qt {

namespace {

// A key as its Windows key code, which the core's rules speak; 0 for one they never name.
int32_t WindowsKeyCode(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return EnterKey;
    case Qt::Key_Escape:
        return 27;
    default:
        // Letters, digits and the space bar share their codes.
        return (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9) ||
                       key == Qt::Key_Space
                   ? key
                   : 0;
    }
}

// Passes the keys a window may act on to it, as Windows key codes; the box still gets them.
class KeyReporter : public QObject {
public:
    KeyReporter(ControlId id, ViewEvents& events, QObject* parent)
        : QObject(parent), id(id), events(events) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            if (const int32_t code = WindowsKeyCode(static_cast<QKeyEvent*>(event)->key()))
                events.KeyPressed(id, code);
        return QObject::eventFilter(watched, event);
    }

private:
    ControlId id;
    ViewEvents& events;
};

// Clicks a focused button with the keys that press it. Space keeps the button's own press
// and release.
class KeysPress : public QObject {
public:
    KeysPress(const ControlEntry& entry, QObject* parent) : QObject(parent), entry(entry) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int32_t code = WindowsKeyCode(static_cast<QKeyEvent*>(event)->key());
            if (code != SpaceKey && KeyClicks(entry, code)) {
                static_cast<QAbstractButton*>(watched)->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const ControlEntry& entry;
};

// A tip shown to the pointer only. A widget's own tool tip is also its description for screen
// readers, which then read a picture button's name twice.
class PointerTip : public QObject {
public:
    PointerTip(QString tip, QObject* parent) : QObject(parent), tip(std::move(tip)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip)
            return QObject::eventFilter(watched, event);
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip,
                           static_cast<QWidget*>(watched));
        return true;
    }

private:
    QString tip;
};

QFont FontOf(const Font& font, const QFont& base) {
    QFont qtFont = base;
    if (!font.name.empty())
        qtFont.setFamily(InstalledFamily(font.name));
    if (font.points > 0)
        qtFont.setPointSizeF(font.points);
    qtFont.setBold(font.bold);
    qtFont.setItalic(font.italic);
    qtFont.setUnderline(font.underline);
    return qtFont;
}

QWidget* CreateWidget(const FormTable& form, const ControlEntry& entry, QWidget* parent,
                      const ControlSetting& setting) {
    const ControlId id{entry.name, entry.index};
    ViewEvents& events = setting.events;
    switch (entry.kind) {
    case ControlKind::Label:
        return new ControlLabel(form, entry, events, parent);
    case ControlKind::MarkupLabel: {
        auto* label = new MarkupLabel(parent);
        const QFont font = FontOf(entry.font, label->font());
        label->SetStyle(FromQString(font.family()), font.pointSizeF(), setting.scale.DotsPerInch());
        label->SetMarkup(entry.caption);
        return label;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(ToQString(entry.caption), parent);
        if (!entry.picture.empty()) {
            button->setIcon(QIcon(LoadPicture(entry.picture)));
            const int side = IconSide(form, entry, setting.scale.DotsPerInch());
            button->setIconSize(QSize(side, side));
        }
        QObject::connect(button, &QPushButton::clicked, button,
                         [&events, id] { events.Clicked(id); });
        button->installEventFilter(new KeysPress(entry, button));
        return button;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(ToQString(entry.caption), parent);
        QObject::connect(box, &QCheckBox::clicked, box, [&events, id] { events.Clicked(id); });
        return box;
    }
    case ControlKind::TextBox: {
        QWidget* box = nullptr;
        if (entry.multiLine) {
            auto* lines = new QPlainTextEdit(parent);
            lines->setTabChangesFocus(true); // Tab leaves the box: no tab reaches the text
            box = lines;
        } else {
            box = new QLineEdit(parent);
        }
        box->installEventFilter(new KeyReporter(id, events, box));
        return box;
    }
    case ControlKind::ProgressBar: {
        auto* bar = new StatusBar(parent);
        bar->setFormat(ToQString(entry.caption));
        return bar;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(ToQString(entry.caption), parent);
    case ControlKind::Picture:
        break;
    }
    return new QWidget(parent);
}

} // namespace

QWidget* CreateControl(const FormTable& form, const ControlEntry& entry, QWidget* window,
                       const ControlSetting& setting) {
    QWidget* widget = CreateWidget(form, entry, window, setting);
    widget->setObjectName(ToQString(entry.name));
    widget->setProperty("index", entry.index);
    widget->setGeometry(setting.scale.Rect(PlaceInWindow(form, entry)));
    widget->setFont(FontOf(entry.font, widget->font()));
    if (!entry.toolTip.empty())
        widget->installEventFilter(new PointerTip(ToQString(entry.toolTip), widget));
    widget->setFocusPolicy(TakesFocus(entry) ? Qt::StrongFocus : Qt::NoFocus);
    widget->setVisible(entry.visible);
    if (auto* label = qobject_cast<ControlLabel*>(widget))
        label->SetCaption(ToQString(entry.caption));
    else if (auto* markup = qobject_cast<MarkupLabel*>(widget))
        NameForScreenReaders(widget, form, entry, markup->PlainText());
    else
        NameForScreenReaders(widget, form, entry, ToQString(entry.caption));
    return widget;
}

void NameForScreenReaders(QWidget* control, const FormTable& form, const ControlEntry& entry,
                          const QString& shown) {
    control->setAccessibleName(ToQString(AccessibleName(form, entry, FromQString(shown))));
}

void UseNearestFonts() {
    const QStringList installed = QFontDatabase::families();
    QString nearest = QStringLiteral("Arial");
    for (const char* narrow : {"Liberation Sans", "DejaVu Sans Condensed"})
        if (installed.contains(QLatin1String(narrow))) {
            nearest = QLatin1String(narrow);
            break;
        }
    for (const char* family : {"Tahoma", "MS Sans Serif", "Arial", "Segoe UI"})
        if (!installed.contains(QLatin1String(family)))
            QFont::insertSubstitution(QLatin1String(family), nearest);
}

QString InstalledFamily(std::u16string_view family) {
    return QFont::substitute(ToQString(family));
}

ControlLabel::ControlLabel(const FormTable& form, const ControlEntry& entry, ViewEvents& events,
                           QWidget* parent)
    : QLabel(parent), form(form), entry(entry), events(events) {
    setTextFormat(Qt::PlainText);
    setMouseTracking(entry.tracksPointer);
    if (ViewEvents::PointerOver(entry) == Pointer::Hand)
        setCursor(Qt::PointingHandCursor);
}

void ControlLabel::SetCaption(const QString& text) {
    setText(text);
    NameForScreenReaders(this, form, entry, text);
    const int needed = sizeHint().width();
    if (needed > width())
        resize(needed, height());
}

void ControlLabel::mouseMoveEvent(QMouseEvent* event) {
    events.PointerMoved({entry.name, entry.index});
    QLabel::mouseMoveEvent(event);
}

void ControlLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        events.Pressed({entry.name, entry.index});
    QLabel::mousePressEvent(event);
}

void ControlLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        events.Released({entry.name, entry.index}, rect().contains(event->position().toPoint()));
    QLabel::mouseReleaseEvent(event);
}

void ControlLabel::keyPressEvent(QKeyEvent* event) {
    if (KeyClicks(entry, WindowsKeyCode(event->key())))
        events.Clicked({entry.name, entry.index});
    else
        QLabel::keyPressEvent(event);
}

StatusBar::StatusBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, 0);
    setTextVisible(true);
    setAlignment(Qt::AlignCenter);
}

} // namespace ui::qt
