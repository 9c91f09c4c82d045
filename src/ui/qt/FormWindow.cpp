#include "ui/qt/FormWindow.h"

#include "ui/Accessibility.h"
#include "ui/Keyboard.h"
#include "ui/Scrolling.h"
#include "ui/qt/MarkupLabel.h"
#include "ui/qt/PictureResources.h"
#include "ui/qt/QtText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyleOptionFrame>

namespace ui::qt {

FormWindow::FormWindow(const ControlSetting& setting)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      events(setting.events), setting(setting), scheme(setting.scheme()),
      area(new QScrollArea(this)), page(new Page(*this)) {
    const FormTable& form = events.Form();
    setObjectName(ToQString(form.name));
    setWindowTitle(ToQString(form.caption));
    page->setFixedSize(setting.scale.Size(form.clientWidth, form.clientHeight));
    page->setMouseTracking(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(page);
    FitToScreen(page->size());
    for (const ControlEntry& entry : form.controls) {
        const bool painted = RoleOf(entry) == Role::Hidden;
        controls.push_back(painted ? nullptr : CreateControl(form, entry, page, setting));
        pictures.push_back(entry.kind == ControlKind::Picture ? LoadPicture(entry.picture)
                                                              : QPixmap());
    }
    setColours.assign(controls.size(), DefaultColour);
    ChainFocus();
    ApplyScheme();
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { events.EscapePressed(); });
    focusWatch = connect(qApp, &QApplication::focusChanged, this, [this] {
        if (!closing)
            page->update();
    });
}

// Deleting the controls moves the focus; by then this is only a QWidget, which the
// application's own connection would outlive until the QObject part goes.
FormWindow::~FormWindow() {
    disconnect(focusWatch);
}

// The room is the screen's work area less the window's frame.
void FormWindow::FitToScreen(QSize pageSize) {
    QSize room = pageSize;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth) * 2;
        const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight);
        room = screen->availableGeometry().size() - QSize(frame, frame + title);
    }
    const WindowFit fit =
        FitWindow({pageSize.width(), pageSize.height()}, {room.width(), room.height()},
                  {area->verticalScrollBar()->sizeHint().width(),
                   area->horizontalScrollBar()->sizeHint().height()});
    area->setHorizontalScrollBarPolicy(fit.across ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(fit.down ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setFixedSize(fit.client.width, fit.client.height);
    area->setGeometry(rect());
}

// Tab walks the focus path; the window opens on its first stop.
void FormWindow::ChainFocus() {
    const std::vector<const ControlEntry*> path = FocusPath(events.Form());
    for (size_t i = 1; i < path.size(); ++i)
        setTabOrder(Control({path[i - 1]->name, path[i - 1]->index}),
                    Control({path[i]->name, path[i]->index}));
    // Chained first: Qt leaves a control that takes no focus yet out of the chain.
    for (const ControlEntry* stop : path)
        if (!TakesFocusShowing(*stop, stop->caption))
            Control({stop->name, stop->index})->setFocusPolicy(Qt::NoFocus);
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
    page->update();
}

void FormWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ApplicationPaletteChange && !closing)
        ApplyScheme();
    QWidget::changeEvent(event);
}

QImage FormWindow::Background() const {
    QImage image(page->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    PaintBackground(painter);
    return image;
}

void FormWindow::Page::paintEvent(QPaintEvent*) {
    if (window.closing)
        return;
    QPainter painter(this);
    window.PaintBackground(painter);
    window.PaintFocusMark(painter);
}

void FormWindow::PaintFocusMark(QPainter& painter) const {
    QWidget* focus = focusWidget();
    if (!focus || !focus->hasFocus() ||
        std::find(controls.begin(), controls.end(), focus) == controls.end())
        return;
    const QRect place = focus->geometry();
    const FocusMark mark = FocusMarkOf(events.Form(), scheme, setting.scale.DotsPerInch());
    for (const PixelRect& bar :
         FocusMarkBars({place.x(), place.y(), place.width(), place.height()}, mark))
        painter.fillRect(bar.left, bar.top, bar.width, bar.height, FromBgr(mark.colour));
}

// The window's colour, then its pictures and frames in the table's order (back to front).
void FormWindow::PaintBackground(QPainter& painter) const {
    const FormTable& form = events.Form();
    painter.fillRect(page->rect(), FromBgr(FormBackground(form, scheme)));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (size_t i = 0; i < form.controls.size(); ++i) {
        const ControlEntry& entry = form.controls[i];
        const QRect place = setting.scale.Rect(PlaceInWindow(form, entry));
        if (entry.kind == ControlKind::Picture && ShowsPicture(entry, scheme)) {
            painter.drawPixmap(place, pictures[i]);
        } else if (entry.kind == ControlKind::GroupBox && entry.visible) {
            QStyleOptionFrame frame;
            frame.initFrom(page);
            frame.rect = place;
            frame.lineWidth = 1;
            style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &painter, page);
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
void FormWindow::Page::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (!window.closing && !childAt(at))
        window.events.PointerMoved(
            window.events.PictureAt(at.x(), at.y(), window.setting.scale.DotsPerInch()));
    QWidget::mouseMoveEvent(event);
}

} // namespace ui::qt
