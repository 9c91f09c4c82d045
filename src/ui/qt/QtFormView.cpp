#include "ui/qt/QtFormView.h"

#include "ui/Accessibility.h"
#include "ui/Keyboard.h"
#include "ui/qt/AccessibleRoles.h"
#include "ui/qt/MarkupLabel.h"
#include "ui/qt/QtText.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace ui::qt {

namespace {

void CentreOver(QWidget* window, const QRect& area) {
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

QRect ScreenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

QtFormView::QtFormView(FormWindow* window) : window(window) {}

QWidget* QtFormView::Live(ControlId control) const {
    return closed || !window ? nullptr : window->Control(control);
}

// The window goes later, but its form's events may go now: it does no more from here on.
QtFormView::~QtFormView() {
    if (!window)
        return;
    window->MarkClosing();
    window->hide();
    window->deleteLater();
}

void QtFormView::SetCaption(ControlId control, std::u16string_view caption) {
    QWidget* widget = Live(control);
    if (!widget)
        return;
    const QString text = ToQString(caption);
    switch (window->Entry(control).kind) {
    case ControlKind::MarkupLabel: {
        auto* label = static_cast<MarkupLabel*>(widget);
        label->SetMarkup(caption);
        label->setFocusPolicy(TakesFocusShowing(window->Entry(control), caption) ? Qt::StrongFocus
                                                                                 : Qt::NoFocus);
        NameForScreenReaders(widget, window->Form(), window->Entry(control), label->PlainText());
        if (AnnouncesChanges(window->Entry(control)) && label->isVisible())
            Announce(label, label->PlainText());
        break;
    }
    case ControlKind::Label:
        static_cast<ControlLabel*>(widget)->SetCaption(text);
        break;
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
        static_cast<QAbstractButton*>(widget)->setText(text);
        break;
    case ControlKind::ProgressBar:
        // A new status is told to screen readers as the bar's name.
        static_cast<QProgressBar*>(widget)->setFormat(text);
        NameForScreenReaders(widget, window->Form(), window->Entry(control), text);
        if (AnnouncesChanges(window->Entry(control)) && widget->isVisible())
            Announce(widget, text);
        break;
    case ControlKind::GroupBox:
        static_cast<QGroupBox*>(widget)->setTitle(text);
        break;
    case ControlKind::TextBox:
    case ControlKind::Picture:
        break;
    }
}

// Lines of a text box end in CR LF, as on Windows.
std::u16string QtFormView::Text(ControlId control) {
    QWidget* widget = Live(control);
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return FromQString(line->text());
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
        return FromQString(box->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    return {};
}

bool QtFormView::IsChecked(ControlId control) {
    auto* box = qobject_cast<QCheckBox*>(Live(control));
    return box && box->isChecked();
}

void QtFormView::SetVisible(ControlId control, bool visible) {
    if (QWidget* widget = Live(control))
        widget->setVisible(visible);
}

void QtFormView::SetForeColour(ControlId control, uint32_t colour) {
    if (Live(control))
        window->SetTextColour(control, colour);
}

void QtFormView::SetUnderline(ControlId control, bool underline) {
    QWidget* widget = Live(control);
    if (!widget)
        return;
    QFont font = widget->font();
    font.setUnderline(underline);
    widget->setFont(font);
}

void QtFormView::SetFocus(ControlId control) {
    QWidget* widget = Live(control);
    if (!widget)
        return;
    window->activateWindow();
    widget->setFocus(Qt::OtherFocusReason);
}

void QtFormView::Show(FormView* owner) {
    if (closed || !window)
        return;
    auto* ownerView = static_cast<QtFormView*>(owner);
    if (ownerView && ownerView->window) {
        // Owned: on top of its owner, and gone with it.
        window->setParent(ownerView->window, window->windowFlags() & ~Qt::WindowMinimizeButtonHint);
        CentreOver(window, ownerView->window->frameGeometry());
    } else {
        CentreOver(window, ScreenArea());
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void QtFormView::ShowModal() {
    if (closed || !window)
        return;
    window->setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    window->setWindowModality(Qt::ApplicationModal);
    CentreOver(window, ScreenArea());
    window->show();
    window->activateWindow();
    QEventLoop loop;
    modalLoop = &loop;
    if (window && window->isVisible())
        loop.exec();
    // The window, closed from inside the loop, goes now rather than at the next loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtFormView::BringToFront() {
    if (closed || !window)
        return;
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

void QtFormView::Close() {
    closed = true;
    if (modalLoop)
        modalLoop->quit();
    if (!window)
        return;
    window->MarkClosing();
    window->hide();
    window->deleteLater();
}

} // namespace ui::qt
