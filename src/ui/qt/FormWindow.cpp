#include "ui/qt/FormWindow.h"

#include "ui/Accessibility.h"
#include "ui/Keyboard.h"
#include "ui/qt/MarkupLabel.h"
#include "ui/qt/QtText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStyleOptionFrame>

namespace ui::qt {

FormWindow::FormWindow(const ControlSetting& setting)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      events(setting.events), setting(setting), scheme(setting.scheme()) {
    const FormTable& form = events.Form();
    setObjectName(ToQString(form.name));
    setWindowTitle(ToQString(form.caption));
    setFixedSize(setting.scale.Size(form.clientWidth, form.clientHeight));
    setMouseTracking(true);
    for (const ControlEntry& entry : form.controls) {
        const bool painted = RoleOf(entry) == Role::Hidden;
        controls.push_back(painted ? nullptr : CreateControl(form, entry, this, setting));
        pictures.push_back(entry.kind == ControlKind::Picture ? LoadPicture(entry.picture)
                                                              : QPixmap());
    }
    setColours.assign(controls.size(), DefaultColour);
    ChainFocus();
    ApplyScheme();
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { events.EscapePressed(); });
}

// Tab walks the focus path; the window opens on its first stop.
void FormWindow::ChainFocus() {
    const std::vector<const ControlEntry*> path = FocusPath(events.Form());
    for (size_t i = 1; i < path.size(); ++i)
        setTabOrder(Control({path[i - 1]->name, path[i - 1]->index}),
                    Control({path[i]->name, path[i]->index}));
    if (const ControlEntry* first = FirstFocus(events.Form()))
        Control({first->name, first->index})->setFocus(Qt::OtherFocusReason);
}

QWidget* FormWindow::Control(ControlId control) const {
    return controls.at(ControlPosition(events.Form(), control));
}

const ControlEntry& FormWindow::Entry(ControlId control) const {
    return events.Form().controls[ControlPosition(events.Form(), control)];
}

void FormWindow::SetTextColour(ControlId control, uint32_t colour) {
    setColours.at(ControlPosition(events.Form(), control)) = colour;
    ApplyScheme();
}

// Each text against a background of the same origin: the window's fixed white takes fixed
// black text, the system's colour the system's text colour.
void FormWindow::ApplyScheme() {
    scheme = setting.scheme();
    const FormTable& form = events.Form();
    QPalette background = QApplication::palette();
    background.setColor(QPalette::Window, FromBgr(FormBackground(form, scheme)));
    setPalette(background);
    for (size_t i = 0; i < controls.size(); ++i) {
        const ControlEntry& entry = form.controls[i];
        QWidget* control = controls[i];
        if (!control)
            continue;
        QPalette palette = QApplication::palette();
        if (entry.kind == ControlKind::Label || entry.kind == ControlKind::CheckBox) {
            const QColor text = FromBgr(TextColour(form, entry, setColours[i], scheme));
            palette.setColor(QPalette::WindowText, text);
            palette.setColor(QPalette::ButtonText, text);
        }
        palette.setColor(QPalette::Window, FromBgr(FormBackground(form, scheme)));
        control->setPalette(palette);
        control->setAutoFillBackground(FillsItsBox(entry, scheme));
        if (auto* markup = qobject_cast<MarkupLabel*>(control))
            markup->SetScheme(scheme, FormBackground(form, scheme));
    }
    update();
}

void FormWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ApplicationPaletteChange && !closing)
        ApplyScheme();
    QWidget::changeEvent(event);
}

QImage FormWindow::Background() const {
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    PaintBackground(painter);
    return image;
}

void FormWindow::paintEvent(QPaintEvent*) {
    if (closing)
        return;
    QPainter painter(this);
    PaintBackground(painter);
}

// The window's colour, then its pictures and frames in the table's order (back to front).
void FormWindow::PaintBackground(QPainter& painter) const {
    const FormTable& form = events.Form();
    painter.fillRect(rect(), FromBgr(FormBackground(form, scheme)));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (size_t i = 0; i < form.controls.size(); ++i) {
        const ControlEntry& entry = form.controls[i];
        const QRect place = setting.scale.Rect(PlaceInWindow(form, entry));
        if (entry.kind == ControlKind::Picture && ShowsPicture(entry, scheme)) {
            painter.drawPixmap(place, pictures[i]);
        } else if (entry.kind == ControlKind::GroupBox && entry.visible) {
            QStyleOptionFrame frame;
            frame.initFrom(this);
            frame.rect = place;
            frame.lineWidth = 1;
            style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &painter, this);
        }
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (closing || events.CloseRequested())
        event->accept();
    else
        event->ignore();
}

// Only the window's own background and its pictures count, not a control that passed the
// move on.
void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (!closing && !childAt(at))
        events.PointerMoved(events.PictureAt(at.x(), at.y(), setting.scale.DotsPerInch()));
    QWidget::mouseMoveEvent(event);
}

} // namespace ui::qt
