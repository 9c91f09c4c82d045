#pragma once

#include "ui/FormTable.h"
#include "ui/ViewEvents.h"
#include "ui/qt/Controls.h"

#include <QWidget>
#include <vector>

namespace ui::qt {

// A window built from its form's table: every control placed in pixels, named as in the
// table (Qt object names, with an "index" property for control arrays), in tab order.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(const ControlSetting& setting);

    // Throws std::out_of_range for a control the table lacks.
    QWidget* Control(ControlId control) const;
    ControlKind KindOf(ControlId control) const;
    // The program closes the window: no question to its behaviour.
    void MarkClosing() { closing = true; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    ViewEvents& events;
    std::vector<QWidget*> controls; // in the table's order
    bool closing = false;
};

} // namespace ui::qt
