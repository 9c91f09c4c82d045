#include "ui/qt/FormWindow.h"

#include "text/Encoding.h"
#include "ui/qt/QtText.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <algorithm>
#include <stdexcept>
#include <vector>

namespace ui::qt {

FormWindow::FormWindow(const FormTable& form, const ControlSetting& setting)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      events(setting.events) {
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
        controls[{entry.name, entry.index}] = {CreateControl(entry, parent, setting), entry.kind};
    }
    SetTabOrder(form);
}

QWidget* FormWindow::Control(ControlId control) const {
    const auto found = controls.find({control.name, control.index});
    if (found == controls.end())
        throw std::logic_error("no such control: " + text::Utf16ToUtf8(control.name));
    return found->second.widget;
}

ControlKind FormWindow::KindOf(ControlId control) const {
    Control(control);
    return controls.at({control.name, control.index}).kind;
}

void FormWindow::SetTabOrder(const FormTable& form) {
    std::vector<const ControlEntry*> stops;
    for (const ControlEntry& entry : form.controls)
        if (entry.tabIndex != NoTabStop)
            stops.push_back(&entry);
    std::sort(stops.begin(), stops.end(),
              [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    for (size_t i = 1; i < stops.size(); ++i)
        setTabOrder(Control({stops[i - 1]->name, stops[i - 1]->index}),
                    Control({stops[i]->name, stops[i]->index}));
}

void FormWindow::closeEvent(QCloseEvent* event) {
    bool mayClose = closing;
    if (!mayClose)
        Deliver([&] { mayClose = events.CloseRequested(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

// Only the window's own background counts, not a control that passed the move on.
void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!childAt(event->position().toPoint()))
        Deliver([&] { events.MouseMove(ControlId{}); });
    QWidget::mouseMoveEvent(event);
}

} // namespace ui::qt
