#include "ui/qt/Controls.h"

#include "ui/GuardedEvents.h"
#include "ui/qt/MarkupLabel.h"
#include "ui/qt/QtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <exception>

namespace ui::qt {

namespace {

// Passes the keys a window may act on to it, as Windows key codes; the box still gets them.
class KeyReporter : public QObject {
public:
    KeyReporter(ControlId id, FormEvents& events, QObject* parent)
        : QObject(parent), id(id), events(events) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (const int32_t code = WindowsKeyCode(key))
                Deliver([&] { events.KeyDown(id, code); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static int32_t WindowsKeyCode(int key) {
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        default:
            // Letters, digits and the space bar share their codes.
            return (key >= Qt::Key_A && key <= Qt::Key_Z) ||
                           (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Space
                       ? key
                       : 0;
        }
    }

    ControlId id;
    FormEvents& events;
};

QFont FontOf(const Font& font, const QFont& base) {
    QFont qtFont = base;
    if (!font.name.empty())
        qtFont.setFamily(ToQString(font.name));
    if (font.points > 0)
        qtFont.setPointSizeF(font.points);
    qtFont.setBold(font.bold);
    qtFont.setItalic(font.italic);
    qtFont.setUnderline(font.underline);
    return qtFont;
}

markup::Theme MarkupTheme(const ControlEntry& entry, const ControlSetting& setting) {
    markup::Theme theme;
    theme.gradientActiveCaption = setting.gradientActiveCaption;
    theme.scale = setting.scale.DotsPerInch() / 96.0;
    if (!entry.font.name.empty())
        theme.fontFamily = entry.font.name;
    if (entry.font.points > 0)
        theme.fontSize = entry.font.points * 96.0 / 72.0;
    return theme;
}

QWidget* CreateWidget(const ControlEntry& entry, QWidget* parent, const ControlSetting& setting) {
    const ControlId id{entry.name, entry.index};
    FormEvents& events = setting.events;
    switch (entry.kind) {
    case ControlKind::Label: {
        return new ControlLabel(id, entry.link, entry.tracksPointer, events, parent);
    }
    case ControlKind::MarkupLabel: {
        auto* label = new MarkupLabel(MarkupTheme(entry, setting), parent);
        label->SetMarkup(entry.caption);
        return label;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(ToQString(entry.caption), parent);
        if (!entry.picture.empty()) {
            button->setIcon(QIcon(LoadPicture(entry.picture)));
            const int side = setting.scale.Pixels(entry.place.height) * 3 / 4;
            button->setIconSize(QSize(side, side));
        }
        QObject::connect(button, &QPushButton::clicked, button,
                         [&events, id] { Deliver([&] { events.Click(id); }); });
        return button;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(ToQString(entry.caption), parent);
        QObject::connect(box, &QCheckBox::clicked, box,
                         [&events, id] { Deliver([&] { events.Click(id); }); });
        return box;
    }
    case ControlKind::TextBox: {
        QWidget* box = entry.multiLine ? static_cast<QWidget*>(new QPlainTextEdit(parent))
                                       : new QLineEdit(parent);
        box->installEventFilter(new KeyReporter(id, events, box));
        return box;
    }
    case ControlKind::Picture:
        return new PictureBox(id, entry.picture, entry.tracksPointer, events, parent);
    case ControlKind::ProgressBar: {
        auto* bar = new StatusBar(parent);
        bar->setFormat(ToQString(entry.caption));
        return bar;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(ToQString(entry.caption), parent);
    }
    return new QWidget(parent);
}

} // namespace

// The windows' own events arrive guarded by the core; this catches what fails in the
// front end itself, so that nothing unwinds through Qt's event loop.
void Deliver(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        QMessageBox::critical(nullptr, QStringLiteral("Asistencia Remota"),
                              ToQString(HandlerFailureText(std::current_exception())));
    }
}

QWidget* CreateControl(const ControlEntry& entry, QWidget* parent, const ControlSetting& setting) {
    QWidget* widget = CreateWidget(entry, parent, setting);
    widget->setObjectName(ToQString(entry.name));
    widget->setProperty("index", entry.index);
    widget->setGeometry(setting.scale.Rect(entry.place));
    widget->setFont(FontOf(entry.font, widget->font()));
    if (entry.foreColour != DefaultColour) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, FromBgr(entry.foreColour));
        widget->setPalette(palette);
    }
    if (!entry.toolTip.empty())
        widget->setToolTip(ToQString(entry.toolTip));
    if (entry.tabIndex == NoTabStop && entry.kind != ControlKind::TextBox)
        widget->setFocusPolicy(Qt::NoFocus);
    widget->setVisible(entry.visible);
    if (auto* label = qobject_cast<ControlLabel*>(widget))
        label->SetCaption(ToQString(entry.caption));
    return widget;
}

void UseNearestFonts() {
    const QStringList narrow{QStringLiteral("Liberation Sans"),
                             QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Arial")};
    for (const char* family : {"Tahoma", "MS Sans Serif", "Arial", "Segoe UI"})
        if (!QFontDatabase::families().contains(QLatin1String(family)))
            QFont::insertSubstitutions(QLatin1String(family), narrow);
}

ControlLabel::ControlLabel(ControlId id, bool link, bool tracksPointer, FormEvents& events,
                           QWidget* parent)
    : QLabel(parent), id(id), link(link), events(events) {
    setTextFormat(Qt::PlainText);
    setMouseTracking(tracksPointer);
    if (link)
        setCursor(Qt::PointingHandCursor);
}

void ControlLabel::SetCaption(const QString& text) {
    setText(text);
    const int needed = sizeHint().width();
    if (needed > width())
        resize(needed, height());
}

void ControlLabel::mouseMoveEvent(QMouseEvent* event) {
    if (!hasMouseTracking())
        return QLabel::mouseMoveEvent(event);
    Deliver([&] { events.MouseMove(id); });
}

void ControlLabel::mousePressEvent(QMouseEvent* event) {
    if (!link)
        return QLabel::mousePressEvent(event);
    pressed = true;
    Deliver([&] { events.MouseDown(id); });
}

void ControlLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (!link)
        return QLabel::mouseReleaseEvent(event);
    const bool click = pressed && rect().contains(event->position().toPoint());
    pressed = false;
    Deliver([&] { events.MouseUp(id); });
    if (click)
        Deliver([&] { events.Click(id); });
}

PictureBox::PictureBox(ControlId id, std::u16string_view picture, bool reportMoves,
                       FormEvents& events, QWidget* parent)
    : QWidget(parent), id(id), pixmap(LoadPicture(picture)), events(events) {
    setMouseTracking(reportMoves);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), pixmap);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    if (!hasMouseTracking())
        return QWidget::mouseMoveEvent(event);
    Deliver([&] { events.MouseMove(id); });
}

StatusBar::StatusBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, 0);
    setTextVisible(true);
    setAlignment(Qt::AlignCenter);
}

QPixmap LoadPicture(std::u16string_view picture) {
    const QString name = QStringLiteral(":/pictures/") + ToQString(picture);
    if (qApp->devicePixelRatio() <= 1)
        return QPixmap(name + QStringLiteral(".png"));
    QPixmap sharp(name + QStringLiteral("@2x.png"));
    sharp.setDevicePixelRatio(2);
    return sharp;
}

} // namespace ui::qt
