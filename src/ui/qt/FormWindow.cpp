#include "ui/qt/FormWindow.h"

#include "ui/qt/QtText.h"

#include <QCloseEvent>
#include <QMouseEvent>

namespace ui::qt {

FormWindow::FormWindow(const ControlSetting& setting)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      events(setting.events) {
    const FormTable& form = events.Form();
    setObjectName(ToQString(form.name));
    setWindowTitle(ToQString(form.caption));
    setFixedSize(setting.scale.Size(form.clientWidth, form.clientHeight));
    if (form.backColour != DefaultColour) {
        QPalette background = palette();
        background.setColor(QPalette::Window, FromBgr(form.backColour));
        setPalette(background);
        setAutoFillBackground(true);
    }
    setMouseTracking(true);
    for (const ControlEntry& entry : form.controls) {
        QWidget* parent = entry.container.empty() ? this : Control({entry.container});
        controls.push_back(CreateControl(entry, parent, setting));
    }
    const std::vector<const ControlEntry*> stops = TabOrder(form);
    for (size_t i = 1; i < stops.size(); ++i)
        setTabOrder(Control({stops[i - 1]->name, stops[i - 1]->index}),
                    Control({stops[i]->name, stops[i]->index}));
}

QWidget* FormWindow::Control(ControlId control) const {
    return controls.at(ControlPosition(events.Form(), control));
}

ControlKind FormWindow::KindOf(ControlId control) const {
    return events.Form().controls[ControlPosition(events.Form(), control)].kind;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (closing || events.CloseRequested())
        event->accept();
    else
        event->ignore();
}

// Only the window's own background counts, not a control that passed the move on.
void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!childAt(event->position().toPoint()))
        events.PointerMoved(ControlId{});
    QWidget::mouseMoveEvent(event);
}

} // namespace ui::qt
